<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About_Window</name>
    <message>
        <source>About This App</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Accessible_Text</name>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>%1 dollar</source>
        <translation>%1 Dollar</translation>
    </message>
    <message>
        <source>%1 dollars</source>
        <translation>%1 Dollar</translation>
    </message>
    <message>
        <source>up %1</source>
        <translation>plus %1</translation>
    </message>
    <message>
        <source>down %1</source>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 Prozent</translation>
    </message>
    <message>
        <source>up %1 percent</source>
        <translation>plus %1 Prozent</translation>
    </message>
    <message>
        <source>down %1 percent</source>
        <translation>minus %1 Prozent</translation>
    </message>
    <message>
        <source>Market Index</source>
        <translation>Marktindex</translation>
    </message>
</context>
<context>
    <name>Alert_Window</name>
    <message>
        <source>Options Expiration Warning!</source>
        <translation>Warnung: Optionen verfallen!</translation>
    </message>
    <message>
        <source>ALERT! The following option(s) are due to expire the next turn:</source>
        <translation>ALARM! Folgende Option(en) verfallen in der nächsten Runde:</translation>
    </message>
    <message>
        <source>Options about to expire</source>
        <translation>Bald verfallende Optionen</translation>
    </message>
    <message>
        <source>The options that lapse at the end of the next turn unless you sell them.</source>
        <translation>Die Optionen, die am Ende der nächsten Runde verfallen, wenn du sie nicht verkaufst.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Buy_Window</name>
    <message>
        <source>Stock Buy Order</source>
        <translation>Kaufauftrag</translation>
    </message>
    <message>
        <source>Select Stock To Buy:</source>
        <translation>Zu kaufende Aktie:</translation>
    </message>
    <message>
        <source>Buy How Many?</source>
        <translation>Wie viele kaufen?</translation>
    </message>
    <message>
        <source>You have 0 Share(s) of - - -</source>
        <translation>Du hast 0 Aktie(n) von - - -</translation>
    </message>
    <message>
        <source>The Most You Can Buy Is</source>
        <translation>Höchstens kaufbar:</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>&amp;Kaufen</translation>
    </message>
    <message>
        <source>Price: %1</source>
        <translation>Kurs: %1</translation>
    </message>
</context>
<context>
    <name>Challenge_Window</name>
    <message>
        <source>the computer sells short</source>
        <translation>der Computer verkauft leer</translation>
    </message>
    <message>
        <source>the computer trades options</source>
        <translation>der Computer handelt Optionen</translation>
    </message>
    <message>
        <source>%1 seconds a turn</source>
        <translation>%1 Sekunden je Runde</translation>
    </message>
    <message>
        <source>random news settings</source>
        <translation>zufällige Nachrichten-Einstellungen</translation>
    </message>
    <message>
        <source>news frequency %1, effects %2, earnings %3</source>
        <translation>Nachrichten: Häufigkeit %1, Wirkung %2, Gewinne %3</translation>
    </message>
    <message>
        <source>Play to %1, handicap %2
%3
%4</source>
        <translation>Ziel %1, Vorgabe %2
%3
%4</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Herausforderung</translation>
    </message>
    <message>
        <source>Everyone who plays the same challenge code gets the same market, news and computer, turn for turn. Type a code you were given, or make a new one from the settings of the game in play and pass it on.</source>
        <translation>Wer denselben Herausforderungscode spielt, bekommt denselben Markt, dieselben Nachrichten und denselben Computer, Runde für Runde. Gib einen Code ein, den du bekommen hast, oder erstelle aus den Einstellungen des laufenden Spiels einen neuen und gib ihn weiter.</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>A challenge code: twelve letters and digits in three groups; case and blanks do not matter.</source>
        <translation>Ein Herausforderungscode: zwölf Buchstaben und Ziffern in drei Gruppen; Groß- und Kleinschreibung und Leerzeichen sind egal.</translation>
    </message>
    <message>
        <source>e.g. 7KQM-3XRT-9HWP</source>
        <translation>z. B. 7KQM-3XRT-9HWP</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the code to the clipboard, to pass it on.</source>
        <translation>Den Code in die Zwischenablage kopieren, um ihn weiterzugeben.</translation>
    </message>
    <message>
        <source>&amp;New Code</source>
        <translation>&amp;Neuer Code</translation>
    </message>
    <message>
        <source>Make a new code from the settings of the game in play, and copy it to the clipboard.</source>
        <translation>Aus den Einstellungen des laufenden Spiels einen neuen Code erstellen und in die Zwischenablage kopieren.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Start the challenge of the code: a new game with its market and settings.</source>
        <translation>Die Herausforderung des Codes starten: ein neues Spiel mit ihrem Markt und ihren Einstellungen.</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>Close this window; the game in play goes on.</source>
        <translation>Dieses Fenster schließen; das laufende Spiel geht weiter.</translation>
    </message>
    <message>
        <source>In play: the challenge %1.</source>
        <translation>Es läuft die Herausforderung %1.</translation>
    </message>
    <message>
        <source>No challenge is in play.</source>
        <translation>Es läuft keine Herausforderung.</translation>
    </message>
    <message>
        <source>The code is on the clipboard.</source>
        <translation>Der Code ist in der Zwischenablage.</translation>
    </message>
</context>
<context>
    <name>Chart_Window</name>
    <message>
        <source>Chart Stocks</source>
        <translation>Aktien-Chart</translation>
    </message>
    <message>
        <source>Select Stock To Chart:</source>
        <translation>Aktie für den Chart:</translation>
    </message>
    <message>
        <source>Turn Moving Average</source>
        <translation>Runden gleitender Durchschnitt</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Buy Stock</source>
        <translation>Aktie &amp;kaufen</translation>
    </message>
    <message>
        <source>&amp;Sell Stock</source>
        <translation>Aktie &amp;verkaufen</translation>
    </message>
    <message>
        <source>S&amp;hort Sell</source>
        <translation>&amp;Leerverkauf</translation>
    </message>
    <message>
        <source>&amp;Calls</source>
        <translation>&amp;Calls</translation>
    </message>
    <message>
        <source>&amp;Puts</source>
        <translation>&amp;Puts</translation>
    </message>
    <message>
        <source>&amp;Earnings</source>
        <translation>&amp;Gewinne</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Turns in the moving average</source>
        <translation>Runden im gleitenden Durchschnitt</translation>
    </message>
    <message>
        <source>How many turns the moving average takes together, from 1 to 100.</source>
        <translation>Über wie viele Runden der gleitende Durchschnitt mittelt, von 1 bis 100.</translation>
    </message>
    <message>
        <source>Draw the moving average over the price: the mean price of the turns chosen beside it.</source>
        <translation>Den gleitenden Durchschnitt über den Kurs zeichnen: den mittleren Kurs der daneben gewählten Runden.</translation>
    </message>
    <message>
        <source>Price chart</source>
        <translation>Kurs-Chart</translation>
    </message>
    <message>
        <source>The price at the end of each of the last 100 turns.</source>
        <translation>Der Kurs am Ende jeder der letzten 100 Runden.</translation>
    </message>
    <message>
        <source>Buy shares of this stock.</source>
        <translation>Aktien dieses Unternehmens kaufen.</translation>
    </message>
    <message>
        <source>Sell shares of this stock you own.</source>
        <translation>Deine Aktien dieses Unternehmens verkaufen.</translation>
    </message>
    <message>
        <source>Sell short this stock, or buy back a short sale of it.</source>
        <translation>Diese Aktie leerverkaufen oder einen Leerverkauf von ihr zurückkaufen.</translation>
    </message>
    <message>
        <source>Trade calls on this stock.</source>
        <translation>Kaufoptionen auf diese Aktie handeln.</translation>
    </message>
    <message>
        <source>Trade puts on this stock.</source>
        <translation>Verkaufsoptionen auf diese Aktie handeln.</translation>
    </message>
    <message>
        <source>This company&apos;s earnings and when it next reports.</source>
        <translation>Die Gewinne dieses Unternehmens und wann es als Nächstes berichtet.</translation>
    </message>
    <message>
        <source>Close the chart (Escape).</source>
        <translation>Den Chart schließen (Escape).</translation>
    </message>
    <message>
        <source>Past 100 Turns</source>
        <translation>Letzte 100 Runden</translation>
    </message>
    <message>
        <source>Price ($)</source>
        <translation>Kurs ($)</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
</context>
<context>
    <name>Commissions_Window</name>
    <message>
        <source>Statement Of Commissions And Fees</source>
        <translation>Übersicht über Provisionen und Gebühren</translation>
    </message>
    <message>
        <source>Exchange Limitations:</source>
        <translation>Grenzen der Börse:</translation>
    </message>
    <message>
        <source>There are only %1 shares of stock for each company. Your holdings plus the computers holdings in any one company may not exceede that limit. You may only buy %2 option contracts (calls and puts) on any given stock. You may only sell short %3 shares of stock.</source>
        <translation>Es gibt nur %1 Aktien je Unternehmen. Deine Bestände und die des Computers an einem Unternehmen dürfen diese Grenze zusammen nicht überschreiten. Du darfst auf jede Aktie nur %2 Optionskontrakte (Calls und Puts) kaufen. Du darfst nur %3 Aktien leerverkaufen.</translation>
    </message>
    <message>
        <source>Commissions:</source>
        <translation>Provisionen:</translation>
    </message>
    <message>
        <source>No commissions baby!!</source>
        <translation>Keine Provisionen, Baby!!</translation>
    </message>
    <message>
        <source>Margins for Short Selling:</source>
        <translation>Sicherheiten für Leerverkäufe:</translation>
    </message>
    <message>
        <source>You have to put up 50% of the price of the stock, but there are no margin calls!</source>
        <translation>Du musst 50% des Aktienkurses hinterlegen, aber es gibt keine Nachschussforderungen!</translation>
    </message>
    <message>
        <source>&amp;Ouch!</source>
        <translation>&amp;Autsch!</translation>
    </message>
    <message>
        <source>Close the statement (Enter or Escape).</source>
        <translation>Die Übersicht schließen (Enter oder Escape).</translation>
    </message>
</context>
<context>
    <name>Computer_Portfolio_Window</name>
    <message>
        <source>The Computer&apos;s Portfolio</source>
        <translation>Das Depot des Computers</translation>
    </message>
    <message>
        <source>Cash:  $</source>
        <translation>Bargeld:  $</translation>
    </message>
    <message>
        <source>Net Worth: $</source>
        <translation>Vermögen: $</translation>
    </message>
    <message>
        <source>The computer&apos;s cash.</source>
        <translation>Das Bargeld des Computers.</translation>
    </message>
    <message>
        <source>The computer&apos;s cash plus what its holdings are worth at this turn&apos;s prices. Beat it to the goal.</source>
        <translation>Das Bargeld des Computers plus der Wert seiner Bestände zu den Kursen dieser Runde. Sei vor ihm am Ziel.</translation>
    </message>
    <message>
        <source>The computer&apos;s holdings</source>
        <translation>Die Bestände des Computers</translation>
    </message>
    <message>
        <source>What the computer holds: shares, short sales (below zero) and options.</source>
        <translation>Was der Computer hält: Aktien, Leerverkäufe (unter null) und Optionen.</translation>
    </message>
    <message>
        <source>The stock&apos;s symbol, with Call or Put for options.</source>
        <translation>Das Symbol der Aktie, bei Optionen mit Call oder Put.</translation>
    </message>
    <message>
        <source>Shares held, below zero for a short sale; for options, the contracts.</source>
        <translation>Gehaltene Aktien, unter null bei einem Leerverkauf; bei Optionen die Kontrakte.</translation>
    </message>
    <message>
        <source>What the computer paid a share, on average (for options, the premium paid).</source>
        <translation>Was der Computer im Schnitt je Aktie bezahlt hat (bei Optionen die bezahlte Prämie).</translation>
    </message>
    <message>
        <source>The price this turn (for options, the premium now).</source>
        <translation>Der Kurs dieser Runde (bei Optionen die Prämie jetzt).</translation>
    </message>
    <message>
        <source>The computer&apos;s gain or loss on the position, in percent.</source>
        <translation>Gewinn oder Verlust des Computers mit der Position, in Prozent.</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Close this window (Enter or Escape).</source>
        <translation>Dieses Fenster schließen (Enter oder Escape).</translation>
    </message>
    <message>
        <source>Computer&apos;s cash</source>
        <translation>Bargeld des Computers</translation>
    </message>
    <message>
        <source>dollars</source>
        <translation>Dollar</translation>
    </message>
    <message>
        <source>Computer&apos;s net worth</source>
        <translation>Vermögen des Computers</translation>
    </message>
</context>
<context>
    <name>Confirmation_Window</name>
    <message>
        <source>Just Checking</source>
        <translation>Nur zur Sicherheit</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Bist du sicher?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Go ahead.</source>
        <translation>Weitermachen.</translation>
    </message>
    <message>
        <source>Keep things as they are (Escape).</source>
        <translation>Alles so lassen, wie es ist (Escape).</translation>
    </message>
</context>
<context>
    <name>End_Game_Window</name>
    <message>
        <source>Game over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>Computer Wins</source>
        <translation>Computer gewinnt</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>You made it to into winners circle!</source>
        <translation>Du hast es in die Bestenliste geschafft!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Bitte gib deinen Namen ein:</translation>
    </message>
    <message>
        <source>Your score: 100 for every whole time your net worth goes into the computer&apos;s; 0 when the computer wins.</source>
        <translation>Deine Punkte: 100 für jedes volle Mal, das das Vermögen des Computers in deines passt; 0, wenn der Computer gewinnt.</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>The name the winners circle shows beside your score.</source>
        <translation>Der Name, den die Bestenliste neben deinen Punkten zeigt.</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Start a new game.</source>
        <translation>Ein neues Spiel beginnen.</translation>
    </message>
    <message>
        <source>Leave Bullquest, after asking once more.</source>
        <translation>Bullquest verlassen, nach einer Rückfrage.</translation>
    </message>
    <message>
        <source>The race of this game: both net worths turn by turn and every trade.</source>
        <translation>Das Rennen dieses Spiels: beide Vermögen Runde für Runde und jeder Handel.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>English</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Federal Reserve lowers interest rates - Bears get eaten.</source>
        <translation>Federal Reserve senkt die Zinsen - die Bären werden gefressen.</translation>
    </message>
    <message>
        <source>House passes economic reform bill. Senators pass it without even reading it.</source>
        <translation>Repräsentantenhaus beschließt Wirtschaftsreform. Die Senatoren stimmen zu, ohne sie auch nur zu lesen.</translation>
    </message>
    <message>
        <source>US declares war on OPEC over 1% change in the price of oil.</source>
        <translation>USA erklären der OPEC wegen 1% Änderung beim Ölpreis den Krieg.</translation>
    </message>
    <message>
        <source>Latest Retail Sales figures impress Wall Street.</source>
        <translation>Neueste Einzelhandelsumsätze beeindrucken die Wall Street.</translation>
    </message>
    <message>
        <source>Construction Spending rises to a new all time high.</source>
        <translation>Bauausgaben steigen auf ein neues Allzeithoch.</translation>
    </message>
    <message>
        <source>Unemployment rises slightly, easing fears of wage inflation.</source>
        <translation>Arbeitslosigkeit steigt leicht und dämpft die Angst vor Lohninflation.</translation>
    </message>
    <message>
        <source>Industrial Production slid last quarter, lowering fears of inflation.</source>
        <translation>Industrieproduktion im letzten Quartal gesunken, die Inflationsangst lässt nach.</translation>
    </message>
    <message>
        <source>Consumer Confidence Index hits new all time high.</source>
        <translation>Index des Verbrauchervertrauens erreicht neues Allzeithoch.</translation>
    </message>
    <message>
        <source>Federal Reserve raises interest  rates - Bulls run for cover.</source>
        <translation>Federal Reserve erhöht die Zinsen - die Bullen gehen in Deckung.</translation>
    </message>
    <message>
        <source>Producer Price Index comes in higher than estimates. Higher inflation feared.</source>
        <translation>Erzeugerpreisindex höher als erwartet. Höhere Inflation befürchtet.</translation>
    </message>
    <message>
        <source>New Republican controlled Congress cuts spending in half and education by 99%.</source>
        <translation>Neuer republikanisch beherrschter Kongress halbiert die Ausgaben und kürzt die Bildung um 99%.</translation>
    </message>
    <message>
        <source>Slump in New Home Sales increases concern over continued economic weakness.</source>
        <translation>Einbruch beim Verkauf neuer Häuser verstärkt die Sorge um anhaltende Konjunkturschwäche.</translation>
    </message>
    <message>
        <source>Latest New Housing Starts figures don&apos;t give any hope to Bulls.</source>
        <translation>Neueste Zahlen zu Baubeginnen machen den Bullen keinerlei Hoffnung.</translation>
    </message>
    <message>
        <source>Average Hourly Earnings go through the roof! Wage inflation feared.</source>
        <translation>Durchschnittliche Stundenlöhne gehen durch die Decke! Lohninflation befürchtet.</translation>
    </message>
    <message>
        <source>The Employment Cost Indes rose last quarter, many see higher interest rates in sight.</source>
        <translation>Der Arbeitskostenindex stieg im letzten Quartal, viele sehen höhere Zinsen kommen.</translation>
    </message>
    <message>
        <source>Personal Savings Rate figures show Americans continue to spend more than save.</source>
        <translation>Die Sparquote zeigt: Die Amerikaner geben weiterhin mehr aus, als sie sparen.</translation>
    </message>
    <message>
        <source>OH S#!*</source>
        <translation>OH SCH#!*</translation>
    </message>
    <message>
        <source>CRASH!</source>
        <translation>CRASH!</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Shares Owned</source>
        <translation>Aktien im Besitz</translation>
    </message>
    <message>
        <source>Purchased At</source>
        <translation>Kaufkurs</translation>
    </message>
    <message>
        <source>Currently At</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Change (%)</source>
        <translation>Änderung (%)</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Strike</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Currentlly At</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Expires</source>
        <translation>Verfall</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Handicap</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>Net Worth</source>
        <translation>Vermögen</translation>
    </message>
    <message>
        <source>Opp. Net Worth</source>
        <translation>Verm. Gegner</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Put</source>
        <translation>Put</translation>
    </message>
    <message>
        <source>Error: The game is not able to load properly.</source>
        <translation>Fehler: Das Spiel kann nicht richtig geladen werden.</translation>
    </message>
    <message>
        <source>Error: Either the file does not exist or it is damadged.</source>
        <translation>Fehler: Die Datei existiert nicht oder ist beschädigt.</translation>
    </message>
    <message>
        <source>Error: Cannot write to file.</source>
        <translation>Fehler: Die Datei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Error: The statistics file is damaged, or cannot be read or written; it is kept as it was.</source>
        <translation>Fehler: Die Statistikdatei ist beschädigt oder kann nicht gelesen oder geschrieben werden; sie bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Too many options positions</source>
        <translation>Zu viele Optionspositionen</translation>
    </message>
    <message>
        <source>News Alert</source>
        <translation>Nachrichtenalarm</translation>
    </message>
    <message>
        <source>ALERT! There is recent news concerning the following:</source>
        <translation>ALARM! Es gibt neue Nachrichten zu folgenden Werten:</translation>
    </message>
    <message>
        <source>World/Markets</source>
        <translation>Welt/Märkte</translation>
    </message>
    <message>
        <source>Crash and burn!</source>
        <translation>Totalabsturz!</translation>
    </message>
    <message>
        <source>Option Expiration Warning!</source>
        <translation>Warnung: Optionen verfallen!</translation>
    </message>
    <message>
        <source>ALERT! The following option(s) are due to expire next turn.</source>
        <translation>ALARM! Folgende Option(en) verfallen in der nächsten Runde.</translation>
    </message>
    <message>
        <source>Enable Cheats...</source>
        <translation>Cheats einschalten...</translation>
    </message>
    <message>
        <source>Start New Game...</source>
        <translation>Neues Spiel beginnen...</translation>
    </message>
    <message>
        <source>Clear High Scores...</source>
        <translation>Bestenliste löschen...</translation>
    </message>
    <message>
        <source>Reset Statistics...</source>
        <translation>Statistik zurücksetzen...</translation>
    </message>
    <message>
        <source>Exit Program...</source>
        <translation>Programm beenden...</translation>
    </message>
    <message>
        <source>Change Cash</source>
        <translation>Bargeld ändern</translation>
    </message>
    <message>
        <source>Enter the amount of user cash (must be greater than zero and less than 1 trillion):</source>
        <translation>Gib dein Bargeld ein (mehr als null und weniger als 1 Billion):</translation>
    </message>
    <message>
        <source>Enter the amount of computer cash (must be greater than zero and less than 1 trillion):</source>
        <translation>Gib das Bargeld des Computers ein (mehr als null und weniger als 1 Billion):</translation>
    </message>
    <message>
        <source>Enter the market trend (must be between -6 and 6):</source>
        <translation>Gib den Markttrend ein (zwischen -6 und 6):</translation>
    </message>
    <message>
        <source>YOU WIN!</source>
        <translation>DU GEWINNST!</translation>
    </message>
    <message>
        <source>COMPUTER WINS!</source>
        <translation>DER COMPUTER GEWINNT!</translation>
    </message>
    <message>
        <source>Sorry, you didn&apos;t make the winners circle.</source>
        <translation>Schade, für die Bestenliste hat es nicht gereicht.</translation>
    </message>
    <message>
        <source>Better luck next time.</source>
        <translation>Mehr Glück beim nächsten Mal.</translation>
    </message>
    <message>
        <source>You made it into the winners circle!</source>
        <translation>Du hast es in die Bestenliste geschafft!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Bitte gib deinen Namen ein:</translation>
    </message>
    <message>
        <source>$100 Million</source>
        <translation>$100 Millionen</translation>
    </message>
    <message>
        <source>$1 Billion</source>
        <translation>$1 Milliarde</translation>
    </message>
    <message>
        <source>$10 Billion</source>
        <translation>$10 Milliarden</translation>
    </message>
    <message>
        <source>$100 Billion</source>
        <translation>$100 Milliarden</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Beginer</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Mittelstufe</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Abnormal</source>
        <translation>Abnorm</translation>
    </message>
    <message>
        <source>Most You Can Buy:</source>
        <translation>Höchstens kaufbar:</translation>
    </message>
    <message>
        <source>Most You Can Sell:</source>
        <translation>Höchstens verkaufbar:</translation>
    </message>
    <message>
        <source>Type how many shares to buy.</source>
        <translation>Gib ein, wie viele Aktien du kaufen willst.</translation>
    </message>
    <message>
        <source>Type how many shares to sell.</source>
        <translation>Gib ein, wie viele Aktien du verkaufen willst.</translation>
    </message>
    <message>
        <source>Type how many shares to sell short.</source>
        <translation>Gib ein, wie viele Aktien du leerverkaufen willst.</translation>
    </message>
    <message>
        <source>Type how many shares to buy back.</source>
        <translation>Gib ein, wie viele Aktien du zurückkaufen willst.</translation>
    </message>
    <message>
        <source>Type how many contracts to buy.</source>
        <translation>Gib ein, wie viele Kontrakte du kaufen willst.</translation>
    </message>
    <message>
        <source>Type how many contracts to sell.</source>
        <translation>Gib ein, wie viele Kontrakte du verkaufen willst.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Kauf</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Verkauf</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Leerverkauf</translation>
    </message>
    <message>
        <source>Buy Back</source>
        <translation>Rückkauf</translation>
    </message>
    <message>
        <source>Buy Call</source>
        <translation>Call-Kauf</translation>
    </message>
    <message>
        <source>Buy Put</source>
        <translation>Put-Kauf</translation>
    </message>
    <message>
        <source>Sell Call</source>
        <translation>Call-Verkauf</translation>
    </message>
    <message>
        <source>Sell Put</source>
        <translation>Put-Verkauf</translation>
    </message>
    <message>
        <source>Lapse</source>
        <translation>Verfall</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Steuer</translation>
    </message>
    <message>
        <source>Cheat</source>
        <translation>Cheat</translation>
    </message>
    <message>
        <source>A challenge code has 12 letters and digits, in three groups of four.</source>
        <translation>Ein Herausforderungscode hat 12 Buchstaben und Ziffern, in drei Vierergruppen.</translation>
    </message>
    <message>
        <source>A challenge code holds only letters and digits, and never 0, 1, I, L or O.</source>
        <translation>Ein Herausforderungscode enthält nur Buchstaben und Ziffern, aber nie 0, 1, I, L oder O.</translation>
    </message>
    <message>
        <source>That challenge code is mistyped: please check it letter by letter.</source>
        <translation>Dieser Herausforderungscode ist vertippt: Bitte prüfe ihn Zeichen für Zeichen.</translation>
    </message>
    <message>
        <source>in play</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>left</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>which you hold</source>
        <translation>die du hältst</translation>
    </message>
    <message>
        <source>which you have sold short</source>
        <translation>die du leerverkauft hast</translation>
    </message>
    <message>
        <source>on which you hold options</source>
        <translation>auf die du Optionen hältst</translation>
    </message>
    <message>
        <source>A better report than the last lifts the price and its trend</source>
        <translation>Ein besserer Bericht als der letzte hebt den Kurs und seinen Trend</translation>
    </message>
    <message>
        <source>A report no better than the last lowers the price and its trend</source>
        <translation>Ein Bericht, der nicht besser ist als der letzte, senkt den Kurs und seinen Trend</translation>
    </message>
    <message>
        <source>your options on it hold twice the contracts at half the strike</source>
        <translation>deine Optionen darauf umfassen doppelt so viele Kontrakte zum halben Basispreis</translation>
    </message>
    <message>
        <source>You realised no gains, so you paid nothing.</source>
        <translation>Du hast keine Gewinne realisiert und daher nichts gezahlt.</translation>
    </message>
    <message>
        <source>call</source>
        <translation>Kaufoption</translation>
    </message>
    <message>
        <source>put</source>
        <translation>Verkaufsoption</translation>
    </message>
    <message>
        <source>no shares</source>
        <translation>keine Aktien</translation>
    </message>
    <message>
        <source>%1 announces restructuting including massive layoffs.</source>
        <translation>%1 kündigt eine Umstrukturierung mit massiven Entlassungen an.</translation>
    </message>
    <message>
        <source>%1 recent acquisition fails to help company revenues.</source>
        <translation>%1: Die jüngste Übernahme hilft dem Umsatz nicht.</translation>
    </message>
    <message>
        <source>%1 earnings may skyrocket due to recent aquisition.</source>
        <translation>%1: Die Gewinne könnten dank der jüngsten Übernahme in die Höhe schießen.</translation>
    </message>
    <message>
        <source>%1 announces new internet strategy.</source>
        <translation>%1 kündigt eine neue Internetstrategie an.</translation>
    </message>
    <message>
        <source>%1 management shakeup leaves chairman and CEO unemployed.</source>
        <translation>%1: Umbau der Führung macht Aufsichtsratschef und CEO arbeitslos.</translation>
    </message>
    <message>
        <source>%1 gets downgraded by analists.</source>
        <translation>%1 wird von Analysten herabgestuft.</translation>
    </message>
    <message>
        <source>%1 gets upgraded by analists.</source>
        <translation>%1 wird von Analysten heraufgestuft.</translation>
    </message>
    <message>
        <source>%1 gets fined by SEC for accounting irregularities.</source>
        <translation>%1 muss wegen Unregelmäßigkeiten in der Buchhaltung eine Strafe an die SEC zahlen.</translation>
    </message>
    <message>
        <source>%1 restates last quarter earnings upwards.</source>
        <translation>%1 korrigiert die Gewinne des letzten Quartals nach oben.</translation>
    </message>
    <message>
        <source>%1 restates last quarter earnings downwards.</source>
        <translation>%1 korrigiert die Gewinne des letzten Quartals nach unten.</translation>
    </message>
    <message>
        <source>%1 guides analists earnings predictions for next quarter lower.</source>
        <translation>%1 drückt die Gewinnprognosen der Analysten für das nächste Quartal.</translation>
    </message>
    <message>
        <source>%1 guides analists earnings predictions for next quarter higher.</source>
        <translation>%1 hebt die Gewinnprognosen der Analysten für das nächste Quartal an.</translation>
    </message>
    <message>
        <source>%1 expects shortfall due to some extrodinary tax profit margin ratio interest asset thingamajig.</source>
        <translation>%1 erwartet einen Fehlbetrag wegen irgendeines außerordentlichen Steuer-Gewinnmargen-Verhältnis-Zins-Vermögens-Dingsbums.</translation>
    </message>
    <message>
        <source>%1 announces huge increase in marketing expenditures.</source>
        <translation>%1 kündigt eine riesige Steigerung der Marketingausgaben an.</translation>
    </message>
    <message>
        <source>%1 reports earnings of %2 per share vs. %3 in the previous period.</source>
        <translation>%1 meldet einen Gewinn von %2 je Aktie gegenüber %3 in der Vorperiode.</translation>
    </message>
    <message>
        <source>%1  %2,   Strike: %3,   Quantity: %4</source>
        <translation>%1  %2,   Basispreis: %3,   Anzahl: %4</translation>
    </message>
    <message>
        <source>You Have %1 Shares Of %2</source>
        <translation>Du hast %1 Aktien von %2</translation>
    </message>
    <message>
        <source>You&apos;ve Shorted %1 Shares Of %2</source>
        <translation>Du hast %1 Aktien von %2 leerverkauft</translation>
    </message>
    <message>
        <source>The Most You Can Buy Back Is %1</source>
        <translation>Du kannst höchstens %1 zurückkaufen</translation>
    </message>
    <message>
        <source>The Most You Can Buy Is %1</source>
        <translation>Du kannst höchstens %1 kaufen</translation>
    </message>
    <message>
        <source>The Most You Can Short Is %1</source>
        <translation>Du kannst höchstens %1 leerverkaufen</translation>
    </message>
    <message>
        <source>Current Price Of %1: %2</source>
        <translation>Aktueller Kurs von %1: %2</translation>
    </message>
    <message>
        <source>Cash after: $%1</source>
        <translation>Bargeld danach: $%1</translation>
    </message>
    <message>
        <source>Your cash covers at most %1 shares at %2 (a deposit of %3 a share).</source>
        <translation>Dein Bargeld reicht für höchstens %1 Aktien zu %2 (eine Sicherheit von %3 je Aktie).</translation>
    </message>
    <message>
        <source>Your cash covers at most %1 share at %2 (a deposit of %3 a share).</source>
        <translation>Dein Bargeld reicht für höchstens %1 Aktie zu %2 (eine Sicherheit von %3 je Aktie).</translation>
    </message>
    <message>
        <source>Your cash does not cover one share at %1 (a deposit of %2 a share).</source>
        <translation>Dein Bargeld reicht nicht für eine Aktie zu %1 (eine Sicherheit von %2 je Aktie).</translation>
    </message>
    <message>
        <source>Your cash covers at most %1 contracts at %2 a share (%3 a contract).</source>
        <translation>Dein Bargeld reicht für höchstens %1 Kontrakte zu %2 je Aktie (%3 je Kontrakt).</translation>
    </message>
    <message>
        <source>Your cash covers at most %1 contract at %2 a share (%3 a contract).</source>
        <translation>Dein Bargeld reicht für höchstens %1 Kontrakt zu %2 je Aktie (%3 je Kontrakt).</translation>
    </message>
    <message>
        <source>Your cash does not cover one contract at %1 a share (%2 a contract).</source>
        <translation>Dein Bargeld reicht nicht für einen Kontrakt zu %1 je Aktie (%2 je Kontrakt).</translation>
    </message>
    <message>
        <source>Your cash covers at most %1 shares at %2.</source>
        <translation>Dein Bargeld reicht für höchstens %1 Aktien zu %2.</translation>
    </message>
    <message>
        <source>Your cash covers at most %1 share at %2.</source>
        <translation>Dein Bargeld reicht für höchstens %1 Aktie zu %2.</translation>
    </message>
    <message>
        <source>Your cash does not cover one share at %1.</source>
        <translation>Dein Bargeld reicht nicht für eine Aktie zu %1.</translation>
    </message>
    <message>
        <source>The exchange allows no more shares of %1 to be sold short.</source>
        <translation>Die Börse lässt keine weiteren Leerverkäufe von %1 zu.</translation>
    </message>
    <message>
        <source>The exchange allows %1 more shares of %2 to be sold short.</source>
        <translation>Die Börse lässt nur noch den Leerverkauf von %1 weiteren Aktien von %2 zu.</translation>
    </message>
    <message>
        <source>The exchange allows no more shares of %1.</source>
        <translation>Die Börse lässt keine weiteren Aktien von %1 zu.</translation>
    </message>
    <message>
        <source>The exchange allows %1 more shares of %2.</source>
        <translation>Die Börse lässt nur noch %1 weitere Aktien von %2 zu.</translation>
    </message>
    <message>
        <source>You hold %1 of these contracts.</source>
        <translation>Du hältst %1 dieser Kontrakte.</translation>
    </message>
    <message>
        <source>You hold %1 of %2.</source>
        <translation>Du hältst %1 von %2.</translation>
    </message>
    <message>
        <source>You have sold %1 of %2 short.</source>
        <translation>Du hast %1 von %2 leerverkauft.</translation>
    </message>
    <message>
        <source>You may hold %1 contracts on %2, calls and puts together; you hold %3.</source>
        <translation>Du darfst höchstens %1 Kontrakte auf %2 halten, Kauf- und Verkaufsoptionen zusammen; du hältst %3.</translation>
    </message>
    <message>
        <source>You hold %1 option positions, the most there may be: close one first.</source>
        <translation>Du hältst %1 Optionspositionen, mehr sind nicht erlaubt: Schließe zuerst eine.</translation>
    </message>
    <message>
        <source>You hold no %1 calls at strike %2 expiring in turn %3.</source>
        <translation>Du hältst keine Kaufoptionen auf %1 zum Basispreis %2 mit Verfall in Runde %3.</translation>
    </message>
    <message>
        <source>You hold no %1 puts at strike %2 expiring in turn %3.</source>
        <translation>Du hältst keine Verkaufsoptionen auf %1 zum Basispreis %2 mit Verfall in Runde %3.</translation>
    </message>
    <message>
        <source>The strike box offers %1 to %2 in steps of %3.</source>
        <translation>Das Feld für den Basispreis bietet %1 bis %2 in Schritten von %3.</translation>
    </message>
    <message>
        <source>The expiry box offers turns %1, %2 and %3.</source>
        <translation>Das Feld für den Verfall bietet die Runden %1, %2 und %3.</translation>
    </message>
    <message>
        <source>A split took this option&apos;s strike to %1, below the %2 the strike box holds: it can only lapse, in turn %3.</source>
        <translation>Ein Split hat den Basispreis dieser Option auf %1 gesenkt, unter die %2, die das Feld für den Basispreis fasst: Sie kann nur noch verfallen, in Runde %3.</translation>
    </message>
    <message>
        <source>The strike box cannot hold this option&apos;s strike of %1 or the expiry box its turn: it can only lapse, in turn %2.</source>
        <translation>Das Feld für den Basispreis fasst den Basispreis %1 dieser Option nicht, oder das Feld für den Verfall ihre Runde: Sie kann nur noch verfallen, in Runde %2.</translation>
    </message>
    <message>
        <source>%1 share</source>
        <translation>%1 Aktie</translation>
    </message>
    <message>
        <source>%1 shares</source>
        <translation>%1 Aktien</translation>
    </message>
    <message>
        <source>Turns played: %1</source>
        <translation>Gespielte Runden: %1</translation>
    </message>
    <message>
        <source>Best trade: %1 %2 %3 in turn %4: %5</source>
        <translation>Bester Handel: %1 %2 %3 in Runde %4: %5</translation>
    </message>
    <message>
        <source>Worst trade: %1 %2 %3 in turn %4: %5</source>
        <translation>Schlechtester Handel: %1 %2 %3 in Runde %4: %5</translation>
    </message>
    <message>
        <source>Your net worth: %1; bought and held, the market index would have made it %2.</source>
        <translation>Dein Vermögen: %1; gekauft und gehalten, hätte der Marktindex daraus %2 gemacht.</translation>
    </message>
    <message>
        <source>Turn 1 of a new game. Each END TURN moves the market on by one turn: news and earnings reports come out, every price moves, and then the computer makes its trades. Buy, sell and sell short between turns; a trade never ends the turn. You win when your net worth (your cash and what your stocks, short sales and options are worth) reaches the goal of %1 before the computer&apos;s does. %2</source>
        <translation>Runde 1 eines neuen Spiels. Jedes RUNDE BEENDEN bringt den Markt eine Runde weiter: Nachrichten und Gewinnberichte erscheinen, jeder Kurs bewegt sich, und dann handelt der Computer. Kaufe, verkaufe und verkaufe leer zwischen den Runden; ein Handel beendet nie die Runde. Du gewinnst, wenn dein Vermögen (dein Bargeld und der Wert deiner Aktien, Leerverkäufe und Optionen) das Ziel von %1 vor dem des Computers erreicht. %2</translation>
    </message>
    <message>
        <source>You have no handicap: you and the computer both begin with %1.</source>
        <translation>Du hast keine Vorgabe: Du und der Computer beginnt jeweils mit %1.</translation>
    </message>
    <message>
        <source>Your handicap of %1 is a head start: you begin with %2 against the computer&apos;s %3.</source>
        <translation>Deine Vorgabe von %1 ist ein Vorsprung: Du beginnst mit %2, der Computer mit %3.</translation>
    </message>
    <message>
        <source>News about %1, %2: &quot;%3&quot; Company news moves a price and its trend at once; %4.</source>
        <translation>Nachricht zu %1, %2: &quot;%3&quot; Firmennachrichten bewegen einen Kurs und seinen Trend zugleich; %4.</translation>
    </message>
    <message>
        <source>%1, %2, reported earnings of %3 a share against %4 the period before. %5; %6. Its next report is due at turn %7; the research window lists the companies about to report.</source>
        <translation>%1, %2, meldete einen Gewinn von %3 je Aktie gegenüber %4 in der Vorperiode. %5; %6. Der nächste Bericht ist in Runde %7 fällig; das Recherchefenster zeigt die Unternehmen, die bald berichten.</translation>
    </message>
    <message>
        <source>%1 also split this turn and stands at %2</source>
        <translation>%1 wurde in dieser Runde auch gesplittet und steht bei %2</translation>
    </message>
    <message>
        <source>%1 went from %2 to %3 this turn, its own move included</source>
        <translation>%1 ging in dieser Runde von %2 auf %3, die eigene Bewegung eingerechnet</translation>
    </message>
    <message>
        <source>%1 split 2 for 1: %2. The price halved from %3 to %4: twice the shares at half the price are worth just the same, so nothing was lost. A stock splits whenever a turn finds its price above %5.</source>
        <translation>%1 wurde 2 zu 1 gesplittet: %2. Der Kurs halbierte sich von %3 auf %4: Doppelt so viele Aktien zum halben Kurs sind genauso viel wert, also ging nichts verloren. Eine Aktie wird gesplittet, sobald ihr Kurs am Ende einer Runde über %5 liegt.</translation>
    </message>
    <message>
        <source>your %1 shares are now %2 at %3</source>
        <translation>aus deinen %1 Aktien wurden %2 zu %3</translation>
    </message>
    <message>
        <source>the %1 shares you sold short are now %2, at half the price you sold them at</source>
        <translation>aus den %1 leerverkauften Aktien wurden %2, zum halben Verkaufskurs</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 und %3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The market crashed: every price was knocked down to between %1 and %2, and the index fell from %3 to %4. Your net worth went from %5 to %6. Every stock&apos;s trend is at its lowest now, so prices go on falling for a while, and short sales gain as they fall. A crash may come at any turn while the index is above %7.</source>
        <translation>Der Markt ist abgestürzt: Jeder Kurs fiel auf %1 bis %2, und der Index fiel von %3 auf %4. Dein Vermögen änderte sich von %5 auf %6. Der Trend jeder Aktie ist jetzt am Tiefpunkt, die Kurse fallen also noch eine Weile weiter, und Leerverkäufe gewinnen, während sie fallen. Ein Crash kann in jeder Runde kommen, solange der Index über %7 steht.</translation>
    </message>
    <message>
        <source>Turn %1: taxes. Every %2 turns you pay %3% of the gains you realised (by selling, buying back and selling options) since the last notice; what you still hold is not taxed. %4</source>
        <translation>Runde %1: Steuern. Alle %2 Runden zahlst du %3% der Gewinne, die du seit dem letzten Bescheid realisiert hast (durch Verkäufe, Rückkäufe und verkaufte Optionen); was du noch hältst, wird nicht besteuert. %4</translation>
    </message>
    <message>
        <source>Your %1 of gains cost you %2, taken from your cash.</source>
        <translation>Deine Gewinne von %1 kosteten dich %2, abgezogen von deinem Bargeld.</translation>
    </message>
    <message>
        <source>Yours came to %1, a loss, so nothing was taxed: the loss carries over and is set against your gains until the next notice, at turn %2.</source>
        <translation>Deine Gewinne beliefen sich auf %1, also auf einen Verlust, daher wurde nichts besteuert: Der Verlust wird vorgetragen und bis zum nächsten Bescheid, in Runde %2, mit deinen Gewinnen verrechnet.</translation>
    </message>
    <message>
        <source>You sold %1 %2 short at %3 and put up half the price, %4, as a deposit. Each dollar %2 rises costs you half a dollar a share (%5 on these %1) and each dollar it falls gains as much; should it rise to twice %3, the deposit is gone. Buying back is never refused for lack of cash: your cash may go below zero.</source>
        <translation>Du hast %1 %2 zu %3 leerverkauft und den halben Kurs, %4, als Sicherheit hinterlegt. Jeder Dollar, den %2 steigt, kostet dich einen halben Dollar je Aktie (%5 bei diesen %1), und jeder Dollar, den sie fällt, bringt dir ebenso viel; steigt sie auf das Doppelte von %3, ist die Sicherheit weg. Ein Rückkauf wird nie mangels Bargeld abgelehnt: Dein Bargeld kann unter null fallen.</translation>
    </message>
    <message>
        <source>You bought %1 of a %2 on %3 at a strike of %4, expiring at turn %5. A contract is %6 shares, so at a premium of %7 a share it cost %8. %9. An option is never exercised: each turn it is worth its premium of the moment times %6 a contract, and the premium follows the price and shrinks as turn %5 nears. Sell it back before then for what it is worth; held to the end of turn %5, it lapses worthless.</source>
        <translation>Du hast %1 einer %2 auf %3 zum Basispreis von %4 gekauft, Verfall in Runde %5. Ein Kontrakt umfasst %6 Aktien, bei einer Prämie von %7 je Aktie kostete er also %8. %9. Eine Option wird nie ausgeübt: In jeder Runde ist sie ihre aktuelle Prämie mal %6 je Kontrakt wert, und die Prämie folgt dem Kurs und schrumpft, je näher Runde %5 rückt. Verkaufe sie vorher für das, was sie wert ist; bis zum Ende von Runde %5 gehalten, verfällt sie wertlos.</translation>
    </message>
    <message>
        <source>You bought %1 of a %2 on %3 at a strike of %4, expiring at turn %5. A contract is %6 shares, so at a premium of %7 a share they cost %8. %9. An option is never exercised: each turn it is worth its premium of the moment times %6 a contract, and the premium follows the price and shrinks as turn %5 nears. Sell it back before then for what it is worth; held to the end of turn %5, it lapses worthless.</source>
        <translation>Du hast %1 einer %2 auf %3 zum Basispreis von %4 gekauft, Verfall in Runde %5. Ein Kontrakt umfasst %6 Aktien, bei einer Prämie von %7 je Aktie kosteten sie also %8. %9. Eine Option wird nie ausgeübt: In jeder Runde ist sie ihre aktuelle Prämie mal %6 je Kontrakt wert, und die Prämie folgt dem Kurs und schrumpft, je näher Runde %5 rückt. Verkaufe sie vorher für das, was sie wert ist; bis zum Ende von Runde %5 gehalten, verfällt sie wertlos.</translation>
    </message>
    <message>
        <source>A call gains as %1 rises above %2</source>
        <translation>Eine Kaufoption gewinnt, wenn %1 über %2 steigt</translation>
    </message>
    <message>
        <source>A put gains as %1 falls below %2</source>
        <translation>Eine Verkaufsoption gewinnt, wenn %1 unter %2 fällt</translation>
    </message>
    <message>
        <source>%1 contract</source>
        <translation>%1 Kontrakt</translation>
    </message>
    <message>
        <source>%1 contracts</source>
        <translation>%1 Kontrakte</translation>
    </message>
    <message>
        <source>Your %1 on %2 at a strike of %3 (%4, worth %5 now) lapses at your next END TURN, at the end of turn %6. Sell it before you end this turn, or it lapses worthless: nothing is paid for a lapsed option.</source>
        <translation>Deine %1 auf %2 zum Basispreis von %3 (%4, jetzt %5 wert) verfällt bei deinem nächsten RUNDE BEENDEN, am Ende von Runde %6. Verkaufe sie, bevor du diese Runde beendest, sonst verfällt sie wertlos: Für eine verfallene Option wird nichts gezahlt.</translation>
    </message>
    <message>
        <source>After buying back %1 %2 at %3 your cash is %4. A buy-back is never refused for cash, so the cash can fall below zero; it counts against your net worth, and no purchase or short sale goes through until sales bring it back above zero.</source>
        <translation>Nach dem Rückkauf von %1 %2 zu %3 beträgt dein Bargeld %4. Ein Rückkauf wird nie mangels Bargeld abgelehnt, daher kann das Bargeld unter null fallen; es zählt gegen dein Vermögen, und kein Kauf und kein Leerverkauf geht durch, bis Verkäufe es wieder über null bringen.</translation>
    </message>
    <message>
        <source>The computer has pulled ahead: its net worth is %1 against your %2. It trades on momentum, buying what has risen over the last few turns and selling what has fallen; its portfolio window shows what it holds.</source>
        <translation>Der Computer hat dich überholt: Sein Vermögen beträgt %1 gegenüber deinen %2. Er handelt nach dem Momentum, kauft, was in den letzten Runden gestiegen ist, und verkauft, was gefallen ist; sein Portfoliofenster zeigt, was er hält.</translation>
    </message>
    <message>
        <source>Your net worth, %1, is within %2% of the %3 goal: reach it before the computer does and you win. The computer stands at %4.</source>
        <translation>Dein Vermögen, %1, liegt höchstens %2% unter dem Ziel von %3: Erreiche es vor dem Computer, und du gewinnst. Der Computer steht bei %4.</translation>
    </message>
    <message>
        <source>Error: The settings file is damaged, or cannot be read or written; it is kept as it was, and your settings hold until you close the game.</source>
        <translation>Fehler: Die Einstellungsdatei ist beschädigt oder kann nicht gelesen oder geschrieben werden; sie bleibt, wie sie war, und deine Einstellungen gelten, bis du das Spiel schließt.</translation>
    </message>
    <message>
        <source>no contracts</source>
        <translation>keine Kontrakte</translation>
    </message>
    <message>
        <source>The most you can buy: %1.
%2</source>
        <translation>Du kannst höchstens %1 kaufen.
%2</translation>
    </message>
    <message>
        <source>The most you can sell: %1.
%2</source>
        <translation>Du kannst höchstens %1 verkaufen.
%2</translation>
    </message>
    <message>
        <source>The most you can buy back: %1.
%2</source>
        <translation>Du kannst höchstens %1 zurückkaufen.
%2</translation>
    </message>
    <message>
        <source>The most you can sell short: %1.
%2</source>
        <translation>Du kannst höchstens %1 leerverkaufen.
%2</translation>
    </message>
    <message>
        <source>%1 It allows %2 shares of a company to be held, yours and the computer&apos;s together.</source>
        <translation>%1 Sie erlaubt je Unternehmen %2 Aktien im Besitz, deine und die des Computers zusammen.</translation>
    </message>
    <message>
        <source>%1 It allows %2 shares of a company to be sold short, yours and the computer&apos;s together.</source>
        <translation>%1 Sie erlaubt je Unternehmen %2 leerverkaufte Aktien, deine und die des Computers zusammen.</translation>
    </message>
    <message>
        <source>%1 A buy-back is never refused for cash: it may leave your cash below zero.</source>
        <translation>%1 Ein Rückkauf wird nie mangels Bargeld abgelehnt: Dein Bargeld kann danach unter null liegen.</translation>
    </message>
    <message>
        <source>%1 costs %2 in all, worth %3 if the premium doubles, %4 if it falls to nothing; it lapses in turn %5.</source>
        <translation>%1 kostet insgesamt %2, %3 wert, wenn sich die Prämie verdoppelt, %4, wenn sie auf null fällt; er verfällt in Runde %5.</translation>
    </message>
    <message>
        <source>%1 cost %2 in all, worth %3 if the premium doubles, %4 if it falls to nothing; they lapse in turn %5.</source>
        <translation>%1 kosten insgesamt %2, %3 wert, wenn sich die Prämie verdoppelt, %4, wenn sie auf null fällt; sie verfallen in Runde %5.</translation>
    </message>
    <message>
        <source>%1 brings %2 in all, worth %3 if the premium doubles, %4 if it falls to nothing; it lapses in turn %5.</source>
        <translation>%1 bringt insgesamt %2, %3 wert, wenn sich die Prämie verdoppelt, %4, wenn sie auf null fällt; er verfällt in Runde %5.</translation>
    </message>
    <message>
        <source>%1 bring %2 in all, worth %3 if the premium doubles, %4 if it falls to nothing; they lapse in turn %5.</source>
        <translation>%1 bringen insgesamt %2, %3 wert, wenn sich die Prämie verdoppelt, %4, wenn sie auf null fällt; sie verfallen in Runde %5.</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Inhaltsverzeichnis</translation>
    </message>
    <message>
        <source>Main Screen</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Buying Stocks</source>
        <translation>Aktien kaufen</translation>
    </message>
    <message>
        <source>Your Portfolio</source>
        <translation>Dein Depot</translation>
    </message>
    <message>
        <source>Selling Stocks</source>
        <translation>Aktien verkaufen</translation>
    </message>
    <message>
        <source>The Computer Opponent</source>
        <translation>Der Computer als Gegner</translation>
    </message>
    <message>
        <source>The Stock Chart Screen</source>
        <translation>Das Chartfenster</translation>
    </message>
    <message>
        <source>Profiting from Company Earnings</source>
        <translation>Von Unternehmensgewinnen profitieren</translation>
    </message>
    <message>
        <source>Understanding News Events</source>
        <translation>Nachrichten verstehen</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Punktewertung</translation>
    </message>
    <message>
        <source>Difficulty Settings</source>
        <translation>Schwierigkeit einstellen</translation>
    </message>
    <message>
        <source>Game Length Settings</source>
        <translation>Spieldauer einstellen</translation>
    </message>
    <message>
        <source>News Event Settings</source>
        <translation>Nachrichten einstellen</translation>
    </message>
    <message>
        <source>Using Moving Averages</source>
        <translation>Gleitende Durchschnitte nutzen</translation>
    </message>
    <message>
        <source>Using Momentum</source>
        <translation>Momentum nutzen</translation>
    </message>
    <message>
        <source>The Guide</source>
        <translation>Der Leitfaden</translation>
    </message>
    <message>
        <source>Configuring Bullquest</source>
        <translation>Bullquest einrichten</translation>
    </message>
    <message>
        <source>Starting a New Game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>Introducing: Vuzedad Erover</source>
        <translation>Vorgestellt: Vuzedad Erover</translation>
    </message>
    <message>
        <source>Definitions</source>
        <translation>Begriffe</translation>
    </message>
    <message>
        <source>Working with Options</source>
        <translation>Mit Optionen arbeiten</translation>
    </message>
    <message>
        <source>Example Options Trading Scenario</source>
        <translation>Beispiel für den Optionshandel</translation>
    </message>
    <message>
        <source>Shorting Stocks Intro</source>
        <translation>Einführung in den Leerverkauf</translation>
    </message>
    <message>
        <source>What can short selling do for me?</source>
        <translation>Was bringt mir ein Leerverkauf?</translation>
    </message>
    <message>
        <source>What exactly is short selling?</source>
        <translation>Was genau ist ein Leerverkauf?</translation>
    </message>
    <message>
        <source>How does short selling work in Bullquest?</source>
        <translation>Wie funktioniert der Leerverkauf in Bullquest?</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Herausforderungen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
</context>
<context>
    <name>Fundamentals_Window</name>
    <message>
        <source>Research Company Earnings</source>
        <translation>Analyse: Unternehmensgewinne</translation>
    </message>
    <message>
        <source>Select A Company:</source>
        <translation>Unternehmen wählen:</translation>
    </message>
    <message>
        <source>Reporting In Next 2 Turns:</source>
        <translation>Berichtet in den nächsten 2 Runden:</translation>
    </message>
    <message>
        <source>Next Earnings Report Due Turn:</source>
        <translation>Nächster Gewinnbericht in Runde:</translation>
    </message>
    <message>
        <source>Earnings</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>Earnings Per Share History ($):</source>
        <translation>Verlauf des Gewinns je Aktie ($):</translation>
    </message>
    <message>
        <source>Most Recnet:</source>
        <translation>Neueste zuerst:</translation>
    </message>
    <message>
        <source>&amp;View Chart</source>
        <translation>Chart &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Buy Stock</source>
        <translation>Aktie &amp;kaufen</translation>
    </message>
    <message>
        <source>&amp;Sell Stock</source>
        <translation>Aktie &amp;verkaufen</translation>
    </message>
    <message>
        <source>S&amp;hort Sell</source>
        <translation>&amp;Leerverkauf</translation>
    </message>
    <message>
        <source>&amp;Calls</source>
        <translation>&amp;Calls</translation>
    </message>
    <message>
        <source>&amp;Puts</source>
        <translation>&amp;Puts</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Reporting in next 2 turns</source>
        <translation>Berichtet in den nächsten 2 Runden</translation>
    </message>
    <message>
        <source>The companies whose earnings report comes in the next 2 turns; choose one to research it.</source>
        <translation>Die Unternehmen, deren Gewinnbericht in den nächsten 2 Runden kommt; wähle eines, um es zu analysieren.</translation>
    </message>
    <message>
        <source>The turn this company&apos;s next earnings report comes.</source>
        <translation>Die Runde, in der der nächste Gewinnbericht dieses Unternehmens kommt.</translation>
    </message>
    <message>
        <source>Earnings a share, in dollars, of one of the company&apos;s last four reports, the most recent first.</source>
        <translation>Gewinn je Aktie in Dollar aus einem der letzten vier Berichte des Unternehmens, der neueste zuerst.</translation>
    </message>
    <message>
        <source>This stock&apos;s price chart.</source>
        <translation>Der Kurs-Chart dieser Aktie.</translation>
    </message>
    <message>
        <source>Buy shares of this stock.</source>
        <translation>Aktien dieses Unternehmens kaufen.</translation>
    </message>
    <message>
        <source>Sell shares of this stock you own.</source>
        <translation>Deine Aktien dieses Unternehmens verkaufen.</translation>
    </message>
    <message>
        <source>Sell short this stock, or buy back a short sale of it.</source>
        <translation>Diese Aktie leerverkaufen oder einen Leerverkauf von ihr zurückkaufen.</translation>
    </message>
    <message>
        <source>Trade calls on this stock.</source>
        <translation>Kaufoptionen auf diese Aktie handeln.</translation>
    </message>
    <message>
        <source>Trade puts on this stock.</source>
        <translation>Verkaufsoptionen auf diese Aktie handeln.</translation>
    </message>
    <message>
        <source>Close this window (Escape).</source>
        <translation>Dieses Fenster schließen (Escape).</translation>
    </message>
    <message>
        <source>Next earnings report due turn</source>
        <translation>Nächster Gewinnbericht in Runde</translation>
    </message>
    <message>
        <source>Most recent earnings a share: %1 dollars</source>
        <translation>Neuester Gewinn je Aktie: %1 Dollar</translation>
    </message>
    <message>
        <source>Earnings a share, %1 reports back: %2 dollars</source>
        <translation>Gewinn je Aktie vor %1 Berichten: %2 Dollar</translation>
    </message>
</context>
<context>
    <name>Game_Dialog</name>
    <message>
        <source>Close this message (Enter or Escape).</source>
        <translation>Diese Meldung schließen (Enter oder Escape).</translation>
    </message>
</context>
<context>
    <name>Guide_Panel</name>
    <message>
        <source>Turn %1</source>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Hilfe: %1</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Leitfaden</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Leitfaden</translation>
    </message>
    <message>
        <source>&amp;Show the Guide</source>
        <translation>Leitfaden an&amp;zeigen</translation>
    </message>
    <message>
        <source>Show &amp;all notes again</source>
        <translation>Alle Hinweise &amp;wieder zeigen</translation>
    </message>
    <message>
        <source>&amp;Help on the Guide</source>
        <translation>&amp;Hilfe zum Leitfaden</translation>
    </message>
    <message>
        <source>Click the link for the help topic that explains this</source>
        <translation>Klicke auf den Link für das Hilfethema, das dies erklärt</translation>
    </message>
    <message>
        <source>The guide is off. Help &gt; Guide &gt; Turn the guide on brings its notes back.</source>
        <translation>Der Leitfaden ist aus. Hilfe &gt; Leitfaden &gt; Leitfaden einschalten bringt seine Hinweise zurück.</translation>
    </message>
    <message>
        <source>Notes on what happens in your game come here as you play: a first turn, a split, a crash, your first short sale or option...</source>
        <translation>Hinweise zu dem, was in deinem Spiel geschieht, erscheinen hier beim Spielen: eine erste Runde, ein Split, ein Crash, dein erster Leerverkauf oder deine erste Option...</translation>
    </message>
    <message>
        <source>The newest note first:</source>
        <translation>Der neueste Hinweis zuerst:</translation>
    </message>
    <message>
        <source>&amp;Turn the guide off</source>
        <translation>Leitfaden &amp;ausschalten</translation>
    </message>
    <message>
        <source>&amp;Turn the guide on</source>
        <translation>Leitfaden &amp;einschalten</translation>
    </message>
    <message>
        <source>Close the guide&apos;s panel; Help &gt; Guide &gt; Show the Guide opens it again.</source>
        <translation>Das Feld des Leitfadens schließen; Hilfe &gt; Leitfaden &gt; Leitfaden anzeigen öffnet es wieder.</translation>
    </message>
    <message>
        <source>Take the panel off the main window into a window of its own, or put it back.</source>
        <translation>Das Feld vom Hauptfenster in ein eigenes Fenster lösen oder es wieder einfügen.</translation>
    </message>
</context>
<context>
    <name>Help_Button</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Choose a help topic about this window (F1).</source>
        <translation>Ein Hilfethema zu diesem Fenster wählen (F1).</translation>
    </message>
</context>
<context>
    <name>Help_Viewer_Window</name>
    <message>
        <source>Bullquest Help</source>
        <translation>Bullquest-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>The topic you read before this one (Alt+Left).</source>
        <translation>Das Thema, das du davor gelesen hast (Alt+Links).</translation>
    </message>
    <message>
        <source>The topic you went back from (Alt+Right).</source>
        <translation>Das Thema, von dem du zurückgegangen bist (Alt+Rechts).</translation>
    </message>
    <message>
        <source>The first page: how to play, and every topic.</source>
        <translation>Die erste Seite: wie man spielt, und alle Themen.</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Every topic of the help; click one to read it.</source>
        <translation>Alle Themen der Hilfe; klicke eines an, um es zu lesen.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>The topic you are reading; its links lead to other topics.</source>
        <translation>Das Thema, das du liest; seine Links führen zu anderen Themen.</translation>
    </message>
    <message>
        <source>The help is in English only.</source>
        <translation>Die Hilfe gibt es nur auf Englisch.</translation>
    </message>
</context>
<context>
    <name>Help_Window</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>The help topics about this window; double-click one to read it.</source>
        <translation>Die Hilfethemen zu diesem Fenster; doppelklicke eines, um es zu lesen.</translation>
    </message>
    <message>
        <source>Read the chosen topic in the help (Enter).</source>
        <translation>Das gewählte Thema in der Hilfe lesen (Enter).</translation>
    </message>
    <message>
        <source>Close this list (Escape).</source>
        <translation>Diese Liste schließen (Escape).</translation>
    </message>
</context>
<context>
    <name>History_Window</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Net worth chart</source>
        <translation>Vermögens-Chart</translation>
    </message>
    <message>
        <source>Your net worth and the computer&apos;s at every turn, the market index bought and held, the goal, and marks at crashes and tax notices.</source>
        <translation>Dein Vermögen und das des Computers in jeder Runde, der Index gekauft und gehalten, das Ziel und Marken bei Crashs und Steuerbescheiden.</translation>
    </message>
    <message>
        <source>&amp;Logarithmic scale</source>
        <translation>&amp;Logarithmische Skala</translation>
    </message>
    <message>
        <source>Draw the net worths on a scale where each step up is ten times as much, so that small and large sums both show.</source>
        <translation>Das Vermögen auf einer Skala zeichnen, auf der jede Stufe nach oben das Zehnfache ist, damit kleine und große Summen beide sichtbar sind.</translation>
    </message>
    <message>
        <source>&amp;Net Worth</source>
        <translation>&amp;Vermögen</translation>
    </message>
    <message>
        <source>Your net worth against the computer&apos;s, turn by turn.</source>
        <translation>Dein Vermögen gegen das des Computers, Runde für Runde.</translation>
    </message>
    <message>
        <source>&amp;Who:</source>
        <translation>&amp;Wer:</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>&amp;Stock:</source>
        <translation>&amp;Aktie:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wer</translation>
    </message>
    <message>
        <source>Show the trades of both players, or of one.</source>
        <translation>Die Geschäfte beider Spieler zeigen oder die eines Spielers.</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Aktie</translation>
    </message>
    <message>
        <source>Show the trades of every stock, or of one.</source>
        <translation>Die Geschäfte aller Aktien zeigen oder die einer Aktie.</translation>
    </message>
    <message>
        <source>Save the whole journal as a file a spreadsheet opens.</source>
        <translation>Das ganze Journal als Datei speichern, die eine Tabellenkalkulation öffnet.</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Every trade, one a row; click a column&apos;s title to sort by it.</source>
        <translation>Jedes Geschäft in einer Zeile; klicke auf den Titel einer Spalte, um danach zu sortieren.</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>Every trade of this game, yours and the computer&apos;s.</source>
        <translation>Jedes Geschäft dieses Spiels, deine und die des Computers.</translation>
    </message>
    <message>
        <source>Close the history (Escape); it follows the game while open.</source>
        <translation>Den Verlauf schließen (Esc); solange er offen ist, folgt er dem Spiel.</translation>
    </message>
    <message>
        <source>Net Worth</source>
        <translation>Vermögen</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>The market index, bought and held</source>
        <translation>Der Index, gekauft und gehalten</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Crash</source>
        <translation>Crash</translation>
    </message>
    <message>
        <source>Tax notice</source>
        <translation>Steuerbescheid</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Turn %1, %2</source>
        <translation>Runde %1, %2</translation>
    </message>
    <message>
        <source>Turn %1, %2: %3</source>
        <translation>Runde %1, %2: %3</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>The journal was written to %1.</source>
        <translation>Das Journal wurde nach %1 geschrieben.</translation>
    </message>
</context>
<context>
    <name>Journal_Model</name>
    <message>
        <source>Turn</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wer</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>The turn of the trade.</source>
        <translation>Die Runde des Geschäfts.</translation>
    </message>
    <message>
        <source>Who traded: you or the computer.</source>
        <translation>Wer gehandelt hat: du oder der Computer.</translation>
    </message>
    <message>
        <source>The kind of trade: a buy, sale, short sale or buy-back, an option bought, sold or lapsed, or a cheat.</source>
        <translation>Die Art des Geschäfts: Kauf, Verkauf, Leerverkauf oder Rückkauf, eine Option gekauft, verkauft oder verfallen, oder ein Cheat.</translation>
    </message>
    <message>
        <source>The stock traded.</source>
        <translation>Die gehandelte Aktie.</translation>
    </message>
    <message>
        <source>Shares, or option contracts, traded.</source>
        <translation>Gehandelte Aktien oder Optionskontrakte.</translation>
    </message>
    <message>
        <source>The price a share (for options, the premium).</source>
        <translation>Der Kurs je Aktie (bei Optionen die Prämie).</translation>
    </message>
    <message>
        <source>What a sale, buy-back or lapse gained or lost against what was paid.</source>
        <translation>Was ein Verkauf, Rückkauf oder Verfall gegenüber dem Bezahlten gewonnen oder verloren hat.</translation>
    </message>
    <message>
        <source>The trader&apos;s cash after the trade.</source>
        <translation>Das Bargeld des Händlers nach dem Geschäft.</translation>
    </message>
</context>
<context>
    <name>Main_Window</name>
    <message>
        <source>Quotes</source>
        <translation>Kurse</translation>
    </message>
    <message>
        <source>Portfolio</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Quotes, Portfolio and News</source>
        <translation>Kurse, Depot und Nachrichten</translation>
    </message>
    <message>
        <source>Every stock&apos;s price and its change at the last turn, and the market index.</source>
        <translation>Der Kurs jeder Aktie und seine Änderung in der letzten Runde, dazu der Marktindex.</translation>
    </message>
    <message>
        <source>Your shares, short sales and options, and what each is worth now.</source>
        <translation>Deine Aktien, Leerverkäufe und Optionen und was jede Position jetzt wert ist.</translation>
    </message>
    <message>
        <source>This turn&apos;s headlines and earnings reports, a quick quote and your news alerts.</source>
        <translation>Die Schlagzeilen und Gewinnberichte dieser Runde, ein Schnellkurs und deine Nachrichtenalarme.</translation>
    </message>
    <message>
        <source>Challenge %1</source>
        <translation>Herausforderung %1</translation>
    </message>
    <message>
        <source>Challenge code</source>
        <translation>Code der Herausforderung</translation>
    </message>
    <message>
        <source>The code of the challenge in play: anyone who starts it gets the same market, news and computer.</source>
        <translation>Der Code der laufenden Herausforderung: Wer sie startet, bekommt denselben Markt, dieselben Nachrichten und denselben Computer.</translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation>Runde:</translation>
    </message>
    <message>
        <source>Cash: $</source>
        <translation>Bargeld: $</translation>
    </message>
    <message>
        <source>Net Worth: $</source>
        <translation>Vermögen: $</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Time left in this turn</source>
        <translation>Verbleibende Zeit dieser Runde</translation>
    </message>
    <message>
        <source>The seconds left in this turn: when the bar runs out, the turn ends by itself.</source>
        <translation>Die Sekunden, die dieser Runde bleiben: Ist der Balken abgelaufen, endet die Runde von selbst.</translation>
    </message>
    <message>
        <source>The turn being played. END TURN moves the market on by one turn.</source>
        <translation>Die laufende Runde. RUNDE BEENDEN bringt den Markt eine Runde weiter.</translation>
    </message>
    <message>
        <source>Your cash: what you can spend on shares, short sale deposits and options.</source>
        <translation>Dein Bargeld: was du für Aktien, Sicherheiten für Leerverkäufe und Optionen ausgeben kannst.</translation>
    </message>
    <message>
        <source>Your cash plus what your shares, short sales and options are worth at this turn&apos;s prices, worked out when a turn ends. Reach the goal to win.</source>
        <translation>Dein Bargeld plus der Wert deiner Aktien, Leerverkäufe und Optionen zu den Kursen dieser Runde, berechnet am Ende jeder Runde. Erreiche das Ziel, um zu gewinnen.</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>&amp;Kaufen</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Verkaufen</translation>
    </message>
    <message>
        <source>Shor&amp;t</source>
        <translation>&amp;Leerverkauf</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Earnings</source>
        <translation>&amp;Gewinne</translation>
    </message>
    <message>
        <source>Buy shares of a stock with your cash.</source>
        <translation>Kaufe Aktien mit deinem Bargeld.</translation>
    </message>
    <message>
        <source>Sell shares you own, at this turn&apos;s price.</source>
        <translation>Verkaufe Aktien, die du besitzt, zum Kurs dieser Runde.</translation>
    </message>
    <message>
        <source>Sell short shares you do not own, or buy back a short sale.</source>
        <translation>Verkaufe Aktien leer, die du nicht besitzt, oder kaufe einen Leerverkauf zurück.</translation>
    </message>
    <message>
        <source>Buy or sell calls and puts on a stock: contracts of 100 shares each.</source>
        <translation>Kaufe oder verkaufe Kauf- und Verkaufsoptionen auf eine Aktie: Kontrakte über je 100 Aktien.</translation>
    </message>
    <message>
        <source>Research a company&apos;s earnings, and see which companies report in the next 2 turns.</source>
        <translation>Analysiere die Gewinne eines Unternehmens und sieh, welche Unternehmen in den nächsten 2 Runden berichten.</translation>
    </message>
    <message>
        <source>END TURN</source>
        <translation>RUNDE BEENDEN</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>View Charts</source>
        <translation>Charts ansehen</translation>
    </message>
    <message>
        <source>Computer&apos;s Portfolio</source>
        <translation>Depot des Computers</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Start a new game; asks first whether to save the one in play.</source>
        <translation>Ein neues Spiel beginnen; fragt zuerst, ob das laufende gespeichert werden soll.</translation>
    </message>
    <message>
        <source>Load a saved game.</source>
        <translation>Ein gespeichertes Spiel laden.</translation>
    </message>
    <message>
        <source>Save the game in play.</source>
        <translation>Das laufende Spiel speichern.</translation>
    </message>
    <message>
        <source>The price chart of any stock or of the market index.</source>
        <translation>Der Kurschart jeder Aktie oder des Marktindex.</translation>
    </message>
    <message>
        <source>The computer opponent&apos;s cash, net worth and holdings.</source>
        <translation>Bargeld, Vermögen und Bestände des Computergegners.</translation>
    </message>
    <message>
        <source>Your net worth against the computer&apos;s turn by turn, and the journal of every trade.</source>
        <translation>Dein Vermögen gegen das des Computers, Runde für Runde, und das Journal jedes Handels.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>Save Game &amp;As</source>
        <translation>Spiel speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation>Spiel &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Winners Circle</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Commissions and Fees</source>
        <translation>&amp;Provisionen und Gebühren</translation>
    </message>
    <message>
        <source>&amp;Buy Stock</source>
        <translation>Aktien &amp;kaufen</translation>
    </message>
    <message>
        <source>&amp;Sell Stock</source>
        <translation>Aktien ve&amp;rkaufen</translation>
    </message>
    <message>
        <source>Shor&amp;t Stock</source>
        <translation>Aktien &amp;leerverkaufen</translation>
    </message>
    <message>
        <source>Stock &amp;Options</source>
        <translation>Aktien&amp;optionen</translation>
    </message>
    <message>
        <source>&amp;View Charts</source>
        <translation>&amp;Charts ansehen</translation>
    </message>
    <message>
        <source>&amp;Research Company Earnings</source>
        <translation>Unternehmensgewinne &amp;analysieren</translation>
    </message>
    <message>
        <source>&amp;Computer&apos;s Portfolio</source>
        <translation>&amp;Depot des Computers</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>&amp;End Turn</source>
        <translation>Runde &amp;beenden</translation>
    </message>
    <message>
        <source>Ch&amp;allenge...</source>
        <translation>&amp;Herausforderung...</translation>
    </message>
    <message>
        <source>Export Res&amp;ult...</source>
        <translation>Ergebnis &amp;exportieren...</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <source>End the turn: the market moves one trading day (%1)</source>
        <translation>Die Runde beenden: Der Markt geht einen Handelstag weiter (%1)</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <translation>&amp;Cheats</translation>
    </message>
    <message>
        <source>&amp;Enable Cheat Mode</source>
        <translation>Cheat-Modus &amp;einschalten</translation>
    </message>
    <message>
        <source>Set &amp;Your Cash</source>
        <translation>&amp;Dein Bargeld festlegen</translation>
    </message>
    <message>
        <source>Set &amp;Computer Cash</source>
        <translation>Bargeld des &amp;Computers festlegen</translation>
    </message>
    <message>
        <source>Set &amp;Market Trend</source>
        <translation>&amp;Markttrend festlegen</translation>
    </message>
    <message>
        <source>Sett&amp;ings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Configure Bullquest...</source>
        <translation>Bullquest &amp;einrichten...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Bullquest &amp;HELP</source>
        <translation>Bullquest-&amp;HILFE</translation>
    </message>
    <message>
        <source>&amp;About Bullquest</source>
        <translation>Ü&amp;ber Bullquest</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>dollars</source>
        <translation>Dollar</translation>
    </message>
    <message>
        <source>Net Worth</source>
        <translation>Vermögen</translation>
    </message>
    <message>
        <source>No challenge in play</source>
        <translation>Keine Herausforderung im Spiel</translation>
    </message>
    <message>
        <source>Save the game in play?</source>
        <translation>Das laufende Spiel speichern?</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
</context>
<context>
    <name>New_Game_Setup_Window</name>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>The slider&apos;s setting, from 1 to 10.</source>
        <translation>Die Einstellung des Reglers, von 1 bis 10.</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>New Game Setup</source>
        <translation>Neues Spiel einrichten</translation>
    </message>
    <message>
        <source>Game Length:</source>
        <translation>Spieldauer:</translation>
    </message>
    <message>
        <source>Play To:</source>
        <translation>Spielen bis:</translation>
    </message>
    <message>
        <source>Difficulty Options:</source>
        <translation>Schwierigkeitsoptionen:</translation>
    </message>
    <message>
        <source>Allow computer to sell stocks short.</source>
        <translation>Computer darf Aktien leerverkaufen.</translation>
    </message>
    <message>
        <source>Allow computer to trade options</source>
        <translation>Computer darf Optionen handeln</translation>
    </message>
    <message>
        <source>%1 second per turn time limit</source>
        <translation>Zeitlimit von %1 Sekunden pro Runde</translation>
    </message>
    <message>
        <source>Handicap:</source>
        <translation>Vorgabe:</translation>
    </message>
    <message>
        <source>Resulting Difficulty Level:</source>
        <translation>Daraus folgende Schwierigkeit:</translation>
    </message>
    <message>
        <source>News Settings:</source>
        <translation>Nachrichten-Einstellungen:</translation>
    </message>
    <message>
        <source>Frequency of news events:</source>
        <translation>Häufigkeit der Nachrichten:</translation>
    </message>
    <message>
        <source>News effects on the market:</source>
        <translation>Wirkung der Nachrichten auf den Markt:</translation>
    </message>
    <message>
        <source>Earnings effects:</source>
        <translation>Wirkung der Gewinnberichte:</translation>
    </message>
    <message>
        <source>Random News Settings</source>
        <translation>Zufällige Nachrichten-Einstellungen</translation>
    </message>
    <message>
        <source>Challenge:</source>
        <translation>Herausforderung:</translation>
    </message>
    <message>
        <source>Challenge &amp;code:</source>
        <translation>Herausforderungs-&amp;Code:</translation>
    </message>
    <message>
        <source>empty: an ordinary game</source>
        <translation>leer: ein normales Spiel</translation>
    </message>
    <message>
        <source>A challenge code deals the market, news and computer of that code with its settings, the same for everyone who plays it. Leave it empty for an ordinary game.</source>
        <translation>Ein Herausforderungscode gibt den Markt, die Nachrichten und den Computer dieses Codes mit seinen Einstellungen vor, für alle gleich, die ihn spielen. Lass das Feld leer für ein normales Spiel.</translation>
    </message>
    <message>
        <source>Market being built</source>
        <translation>Markt wird aufgebaut</translation>
    </message>
    <message>
        <source>How far the new market&apos;s past has been built; the game starts when the bar is full.</source>
        <translation>Wie weit die Vergangenheit des neuen Markts aufgebaut ist; das Spiel beginnt, wenn der Balken voll ist.</translation>
    </message>
    <message>
        <source>The level the difficulty options make: the more of them on, the higher the level. Each level keeps its own winners.</source>
        <translation>Die Stufe, die die Schwierigkeitsoptionen ergeben: je mehr davon an sind, desto höher die Stufe. Jede Stufe hat ihre eigene Bestenliste.</translation>
    </message>
    <message>
        <source>Play to</source>
        <translation>Spielen bis</translation>
    </message>
    <message>
        <source>Handicap</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>&amp;Go!</source>
        <translation>&amp;Los!</translation>
    </message>
    <message>
        <source>Start the game with these settings (Enter).</source>
        <translation>Das Spiel mit diesen Einstellungen beginnen (Enter).</translation>
    </message>
    <message>
        <source>The net worth that wins. A higher goal makes a longer game, with more turns for the computer to get there first.</source>
        <translation>Das Vermögen, das gewinnt. Ein höheres Ziel macht das Spiel länger, mit mehr Runden, in denen der Computer als Erster dort ankommen kann.</translation>
    </message>
    <message>
        <source>Cash you start with beyond the computer&apos;s %1: a head start, so None is the hardest. It does not change the difficulty level; the winners circle shows it beside your score.</source>
        <translation>Bargeld, mit dem du über die %1 des Computers hinaus beginnst: ein Vorsprung, also ist „Keine“ am schwersten. Es ändert die Schwierigkeitsstufe nicht; die Bestenliste zeigt es neben deinen Punkten.</translation>
    </message>
    <message>
        <source>The computer may sell short too, so it gains when prices fall as well as when they rise: a harder opponent. It counts towards the difficulty level, under which a win enters the winners circle.</source>
        <translation>Der Computer darf auch leerverkaufen und gewinnt so bei fallenden wie bei steigenden Kursen: ein stärkerer Gegner. Zählt zur Schwierigkeitsstufe, unter der ein Sieg in die Bestenliste kommt.</translation>
    </message>
    <message>
        <source>The computer may buy calls and puts too, which can multiply its gains: a harder opponent. It counts towards the difficulty level, under which a win enters the winners circle.</source>
        <translation>Der Computer darf auch Kauf- und Verkaufsoptionen kaufen, die seine Gewinne vervielfachen können: ein stärkerer Gegner. Zählt zur Schwierigkeitsstufe, unter der ein Sieg in die Bestenliste kommt.</translation>
    </message>
    <message>
        <source>Each turn ends by itself after %1 seconds, traded or not: less time to look and think. It counts towards the difficulty level, under which a win enters the winners circle.</source>
        <translation>Jede Runde endet nach %1 Sekunden von selbst, ob gehandelt oder nicht: weniger Zeit zum Schauen und Nachdenken. Zählt zur Schwierigkeitsstufe, unter der ein Sieg in die Bestenliste kommt.</translation>
    </message>
    <message>
        <source>How often news comes out. More news makes prices jump more often, so the market is harder to foresee.</source>
        <translation>Wie oft Nachrichten erscheinen. Mehr Nachrichten lassen die Kurse öfter springen, so ist der Markt schwerer vorherzusehen.</translation>
    </message>
    <message>
        <source>How far each news event moves prices and trends. Stronger news means larger sudden gains and losses.</source>
        <translation>Wie stark jede Nachricht Kurse und Trends bewegt. Stärkere Nachrichten bedeuten größere plötzliche Gewinne und Verluste.</translation>
    </message>
    <message>
        <source>How far an earnings report moves its company&apos;s price. Stronger effects make holding a stock through its report riskier.</source>
        <translation>Wie stark ein Gewinnbericht den Kurs seines Unternehmens bewegt. Stärkere Wirkung macht es riskanter, eine Aktie über ihren Bericht hinweg zu halten.</translation>
    </message>
    <message>
        <source>The three news settings are drawn at random when you press Go!, so you play without knowing how wild the news will be.</source>
        <translation>Die drei Nachrichten-Einstellungen werden zufällig gezogen, wenn du Los! drückst; so spielst du, ohne zu wissen, wie wild die Nachrichten werden.</translation>
    </message>
    <message>
        <source>Go! deals the challenge %1 with its own settings, shown above.</source>
        <translation>Los! startet die Herausforderung %1 mit ihren eigenen Einstellungen, oben gezeigt.</translation>
    </message>
    <message>
        <source>A friend&apos;s code deals the same market, news and computer as theirs.</source>
        <translation>Der Code eines Freundes bringt denselben Markt, dieselben Nachrichten und denselben Computer wie bei ihm.</translation>
    </message>
    <message>
        <source>Last: %1</source>
        <translation>Zuletzt: %1</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Bitte warten...</translation>
    </message>
</context>
<context>
    <name>News_Tab</name>
    <message>
        <source>The Latest News Headlines:</source>
        <translation>Die neuesten Schlagzeilen:</translation>
    </message>
    <message>
        <source>The Latest Earnings Reports:</source>
        <translation>Die neuesten Gewinnberichte:</translation>
    </message>
    <message>
        <source>Quick Quote:</source>
        <translation>Schnellkurs:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Symbol:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Kurs:</translation>
    </message>
    <message>
        <source>Change:</source>
        <translation>Änderung:</translation>
    </message>
    <message>
        <source>News Preferences:</source>
        <translation>Nachrichten-Einstellungen:</translation>
    </message>
    <message>
        <source>Alert me to news concerning stocks I own.</source>
        <translation>Mich auf Nachrichten zu meinen Aktien hinweisen.</translation>
    </message>
    <message>
        <source>Alert me to world/market news.</source>
        <translation>Mich auf Welt- und Marktnachrichten hinweisen.</translation>
    </message>
    <message>
        <source>News headlines</source>
        <translation>Schlagzeilen</translation>
    </message>
    <message>
        <source>The news of every turn, the newest at the bottom. Click a line for a quick quote of the stock it concerns.</source>
        <translation>Die Nachrichten jeder Runde, die neueste unten. Klicke auf eine Zeile für den Schnellkurs der Aktie, die sie betrifft.</translation>
    </message>
    <message>
        <source>Earnings reports</source>
        <translation>Gewinnberichte</translation>
    </message>
    <message>
        <source>The companies&apos; earnings reports, the newest at the bottom. Click a line for a quick quote of that company&apos;s stock.</source>
        <translation>Die Gewinnberichte der Unternehmen, der neueste unten. Klicke auf eine Zeile für den Schnellkurs der Aktie dieses Unternehmens.</translation>
    </message>
    <message>
        <source>The stock of the news line you clicked; empty again when a turn ends.</source>
        <translation>Die Aktie der angeklickten Nachricht; wieder leer, wenn eine Runde endet.</translation>
    </message>
    <message>
        <source>That stock&apos;s price this turn, in dollars.</source>
        <translation>Der Kurs dieser Aktie in dieser Runde, in Dollar.</translation>
    </message>
    <message>
        <source>That stock&apos;s move at the last turn in dollars, and in brackets in percent.</source>
        <translation>Die Kursbewegung dieser Aktie in der letzten Runde in Dollar, in Klammern in Prozent.</translation>
    </message>
    <message>
        <source>When a turn brings news about a stock you own, a window shows it before the turn goes on.</source>
        <translation>Bringt eine Runde Nachrichten zu einer Aktie, die du besitzt, zeigt ein Fenster sie, bevor die Runde weitergeht.</translation>
    </message>
    <message>
        <source>When a turn brings news about the whole market, a window shows it before the turn goes on.</source>
        <translation>Bringt eine Runde Nachrichten zum ganzen Markt, zeigt ein Fenster sie, bevor die Runde weitergeht.</translation>
    </message>
    <message>
        <source>Click on a news item to view a Quick Quote of the stock affected by that news (if any)</source>
        <translation>Klicke auf eine Nachricht, um den Schnellkurs der betroffenen Aktie zu sehen (falls es eine gibt)</translation>
    </message>
    <message>
        <source>Quick quote symbol</source>
        <translation>Symbol im Schnellkurs</translation>
    </message>
    <message>
        <source>Quick quote price</source>
        <translation>Kurs im Schnellkurs</translation>
    </message>
    <message>
        <source>dollars</source>
        <translation>Dollar</translation>
    </message>
    <message>
        <source>Quick quote change: %1</source>
        <translation>Änderung im Schnellkurs: %1</translation>
    </message>
</context>
<context>
    <name>Options_Window</name>
    <message>
        <source>Stock Options</source>
        <translation>Aktienoptionen</translation>
    </message>
    <message>
        <source>Select A Symbol:</source>
        <translation>Symbol wählen:</translation>
    </message>
    <message>
        <source>&amp;Calls</source>
        <translation>&amp;Calls</translation>
    </message>
    <message>
        <source>&amp;Puts</source>
        <translation>&amp;Puts</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>&amp;Kaufen</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Verkaufen</translation>
    </message>
    <message>
        <source>A call gains in value when the stock&apos;s price rises above its strike.</source>
        <translation>Eine Kaufoption gewinnt an Wert, wenn der Kurs der Aktie über ihren Basispreis steigt.</translation>
    </message>
    <message>
        <source>A put gains in value when the stock&apos;s price falls below its strike.</source>
        <translation>Eine Verkaufsoption gewinnt an Wert, wenn der Kurs der Aktie unter ihren Basispreis fällt.</translation>
    </message>
    <message>
        <source>Buy contracts at the premium shown.</source>
        <translation>Kontrakte zur angezeigten Prämie kaufen.</translation>
    </message>
    <message>
        <source>Sell contracts you hold, with this strike and expiry, at the premium shown.</source>
        <translation>Deine Kontrakte mit diesem Basispreis und Verfall zur angezeigten Prämie verkaufen.</translation>
    </message>
    <message>
        <source>Strike Price:</source>
        <translation>Basispreis:</translation>
    </message>
    <message>
        <source>Strike price</source>
        <translation>Basispreis</translation>
    </message>
    <message>
        <source>The price the contract is written at; the arrows step it by 10 dollars.</source>
        <translation>Der Preis, auf den der Kontrakt lautet; die Pfeile ändern ihn in Schritten von 10 Dollar.</translation>
    </message>
    <message>
        <source>Expires Turn:</source>
        <translation>Verfall in Runde:</translation>
    </message>
    <message>
        <source>Expires turn</source>
        <translation>Verfall in Runde</translation>
    </message>
    <message>
        <source>The turn the contract lapses, worthless, unless sold before; the arrows step it by 10 turns.</source>
        <translation>Die Runde, in der der Kontrakt wertlos verfällt, wenn du ihn nicht vorher verkaufst; die Pfeile ändern sie in Schritten von 10 Runden.</translation>
    </message>
    <message>
        <source>Option Premium:</source>
        <translation>Optionsprämie:</translation>
    </message>
    <message>
        <source>What one share of the contract costs now, in dollars; a contract is 100 shares.</source>
        <translation>Was eine Aktie des Kontrakts jetzt kostet, in Dollar; ein Kontrakt umfasst 100 Aktien.</translation>
    </message>
    <message>
        <source>Number To Buy/Sell:</source>
        <translation>Anzahl (Kauf/Verkauf):</translation>
    </message>
    <message>
        <source>&amp;Transact</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <source>Option premium</source>
        <translation>Optionsprämie</translation>
    </message>
    <message>
        <source>dollars a share</source>
        <translation>Dollar je Aktie</translation>
    </message>
    <message>
        <source>contracts</source>
        <translation>Kontrakte</translation>
    </message>
</context>
<context>
    <name>Portfolio_Grid</name>
    <message>
        <source>Double-click a row, or press Enter on it, to close out that position.</source>
        <translation>Doppelklicke auf eine Zeile oder drücke darauf Enter, um diese Position zu schließen.</translation>
    </message>
</context>
<context>
    <name>Portfolio_Tab</name>
    <message>
        <source>Stocks:</source>
        <translation>Aktien:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>**Double click on either a stock position or option position to go to the appropriate screen for closing out that position.</source>
        <translation>**Doppelklicke auf eine Aktien- oder Optionsposition, um zum passenden Fenster zu gelangen, in dem du die Position schließt.</translation>
    </message>
    <message>
        <source>Your stocks</source>
        <translation>Deine Aktien</translation>
    </message>
    <message>
        <source>The stock&apos;s symbol.</source>
        <translation>Das Symbol der Aktie.</translation>
    </message>
    <message>
        <source>The shares you own; a short sale shows its shares below zero.</source>
        <translation>Die Aktien, die du besitzt; ein Leerverkauf zeigt seine Aktien unter null.</translation>
    </message>
    <message>
        <source>What you paid a share, on average over your purchases (for a short sale, what you sold at).</source>
        <translation>Was du je Aktie bezahlt hast, im Schnitt über deine Käufe (bei einem Leerverkauf der Verkaufskurs).</translation>
    </message>
    <message>
        <source>The stock&apos;s price this turn.</source>
        <translation>Der Kurs der Aktie in dieser Runde.</translation>
    </message>
    <message>
        <source>Your gain or loss on the position in percent: above zero is a gain.</source>
        <translation>Dein Gewinn oder Verlust mit der Position in Prozent: über null ist ein Gewinn.</translation>
    </message>
    <message>
        <source>Your options</source>
        <translation>Deine Optionen</translation>
    </message>
    <message>
        <source>The stock the contracts are on.</source>
        <translation>Die Aktie, auf die die Kontrakte lauten.</translation>
    </message>
    <message>
        <source>Call: gains when the stock rises. Put: gains when it falls.</source>
        <translation>Call: gewinnt, wenn die Aktie steigt. Put: gewinnt, wenn sie fällt.</translation>
    </message>
    <message>
        <source>The price the contract is written at.</source>
        <translation>Der Basispreis des Kontrakts.</translation>
    </message>
    <message>
        <source>The contracts you hold, each for 100 shares.</source>
        <translation>Die Kontrakte, die du hältst, je über 100 Aktien.</translation>
    </message>
    <message>
        <source>The premium you paid a share.</source>
        <translation>Die Prämie, die du je Aktie bezahlt hast.</translation>
    </message>
    <message>
        <source>The premium a share this turn: what the contracts are worth now.</source>
        <translation>Die Prämie je Aktie in dieser Runde: was die Kontrakte jetzt wert sind.</translation>
    </message>
    <message>
        <source>The turn the contracts lapse, worthless, if you have not sold them by then.</source>
        <translation>Die Runde, in der die Kontrakte wertlos verfallen, wenn du sie bis dahin nicht verkauft hast.</translation>
    </message>
    <message>
        <source>Your gain or loss in percent, from the premium paid to the premium now.</source>
        <translation>Dein Gewinn oder Verlust in Prozent, von der bezahlten Prämie zur jetzigen.</translation>
    </message>
</context>
<context>
    <name>Qt_Screens</name>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Bullquest Files (*.bqg)</source>
        <translation>Bullquest-Spiele (*.bqg)</translation>
    </message>
    <message>
        <source>Export Result</source>
        <translation>Ergebnis exportieren</translation>
    </message>
    <message>
        <source>Bullquest Results (*.bqr)</source>
        <translation>Bullquest-Ergebnisse (*.bqr)</translation>
    </message>
</context>
<context>
    <name>Quotes_Board</name>
    <message>
        <source>Click to see this stock&apos;s price over the last 100 turns.</source>
        <translation>Klicke, um den Kurs dieser Aktie über die letzten 100 Runden zu sehen.</translation>
    </message>
    <message>
        <source>The stock&apos;s price this turn, in dollars.</source>
        <translation>Der Kurs der Aktie in dieser Runde, in Dollar.</translation>
    </message>
    <message>
        <source>The price&apos;s move at the last turn in dollars, and in brackets that move as a share of the lower of the two prices.</source>
        <translation>Die Kursbewegung in der letzten Runde in Dollar, in Klammern als Anteil am niedrigeren der beiden Kurse.</translation>
    </message>
    <message>
        <source>Market Index</source>
        <translation>Marktindex</translation>
    </message>
    <message>
        <source>The market index: the 42 stocks&apos; prices together.</source>
        <translation>Der Marktindex: die Kurse der 42 Aktien zusammen.</translation>
    </message>
    <message>
        <source>The index&apos;s move at the last turn, in percent.</source>
        <translation>Die Bewegung des Index in der letzten Runde, in Prozent.</translation>
    </message>
    <message>
        <source>Click on a stock symbol to view its chart.</source>
        <translation>Klicke auf ein Aktiensymbol, um seinen Chart zu sehen.</translation>
    </message>
</context>
<context>
    <name>Sell_Window</name>
    <message>
        <source>Stock Sell Order</source>
        <translation>Verkaufsauftrag</translation>
    </message>
    <message>
        <source>Select Stock To Sell:</source>
        <translation>Zu verkaufende Aktie:</translation>
    </message>
    <message>
        <source>Sell How Many?</source>
        <translation>Wie viele verkaufen?</translation>
    </message>
    <message>
        <source>You have 0 Share(s) of - - -</source>
        <translation>Du hast 0 Aktie(n) von - - -</translation>
    </message>
    <message>
        <source>Click to put all the shares you own of this stock in the box.</source>
        <translation>Klicke, um alle deine Aktien dieses Unternehmens ins Feld zu übernehmen.</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Verkaufen</translation>
    </message>
    <message>
        <source>Price: %1</source>
        <translation>Kurs: %1</translation>
    </message>
</context>
<context>
    <name>Settings_Window</name>
    <message>
        <source>Configure Bullquest</source>
        <translation>Bullquest einrichten</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>&amp;Theme:</source>
        <translation>&amp;Design:</translation>
    </message>
    <message>
        <source>Show &amp;arrows with changes</source>
        <translation>&amp;Pfeile bei Änderungen zeigen</translation>
    </message>
    <message>
        <source>%1 beside a gain and %2 beside a loss, wherever a change is shown</source>
        <translation>%1 neben einem Gewinn und %2 neben einem Verlust, überall, wo eine Änderung steht</translation>
    </message>
    <message>
        <source>&amp;Colour-blind-safe colours</source>
        <translation>&amp;Farben für Farbenblinde</translation>
    </message>
    <message>
        <source>Gains in blue and losses in orange, which stay apart for colour-blind eyes</source>
        <translation>Gewinne in Blau und Verluste in Orange, die auch farbenblinde Augen unterscheiden</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Show the &amp;guide&apos;s notes</source>
        <translation>Hinweise des &amp;Leitfadens zeigen</translation>
    </message>
    <message>
        <source>Short notes that explain the game as it goes, each shown once</source>
        <translation>Kurze Hinweise, die das Spiel im Laufe erklären, jeder nur einmal gezeigt</translation>
    </message>
    <message>
        <source>&amp;Beep when something is refused</source>
        <translation>&amp;Ton, wenn etwas abgelehnt wird</translation>
    </message>
    <message>
        <source>The field that refused flashes either way</source>
        <translation>Das ablehnende Feld blinkt in jedem Fall</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>A change of language applies at the next start.</source>
        <translation>Eine andere Sprache gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>The colours of every window: the desktop&apos;s own, or always light or always dark.</source>
        <translation>Die Farben aller Fenster: die des Desktops, immer hell oder immer dunkel.</translation>
    </message>
    <message>
        <source>The language of the windows, menus and messages; the help stays in English.</source>
        <translation>Die Sprache der Fenster, Menüs und Meldungen; die Hilfe bleibt englisch.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Keep these settings for every game you play.</source>
        <translation>Diese Einstellungen für jedes Spiel behalten.</translation>
    </message>
    <message>
        <source>Bring back the settings you had when the window opened.</source>
        <translation>Die Einstellungen wiederherstellen, die beim Öffnen des Fensters galten.</translation>
    </message>
</context>
<context>
    <name>Short_Window</name>
    <message>
        <source>Short Sell Stock</source>
        <translation>Leerverkauf</translation>
    </message>
    <message>
        <source>Select Stock To Short:</source>
        <translation>Aktie zum Leerverkauf:</translation>
    </message>
    <message>
        <source>&amp;Sell Short</source>
        <translation>&amp;Leerverkaufen</translation>
    </message>
    <message>
        <source>&amp;Buy Back</source>
        <translation>&amp;Zurückkaufen</translation>
    </message>
    <message>
        <source>Sell shares you do not own, putting up half their price as a deposit; you gain if the price falls.</source>
        <translation>Aktien verkaufen, die du nicht besitzt, mit dem halben Kurs als Sicherheit; du gewinnst, wenn der Kurs fällt.</translation>
    </message>
    <message>
        <source>Buy back shares you sold short, which ends that much of the short sale.</source>
        <translation>Leerverkaufte Aktien zurückkaufen; der Leerverkauf endet um so viele Aktien.</translation>
    </message>
    <message>
        <source>Sell Short How Many?</source>
        <translation>Wie viele leerverkaufen?</translation>
    </message>
    <message>
        <source>You&apos;ve Shorted 50000000 Shares of MSFT</source>
        <translation>Du hast 50000000 Aktien von MSFT leerverkauft</translation>
    </message>
    <message>
        <source>You Can Short 50000000 Shafes of MSFT</source>
        <translation>Du kannst 50000000 Aktien von MSFT leerverkaufen</translation>
    </message>
    <message>
        <source>&amp;Transact</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <source>Select Stock To Buy Back:</source>
        <translation>Aktie zum Rückkauf:</translation>
    </message>
    <message>
        <source>Buy Back How Many?</source>
        <translation>Wie viele zurückkaufen?</translation>
    </message>
    <message>
        <source>Price: %1, deposit %2 a share</source>
        <translation>Kurs: %1, Sicherheit %2 je Aktie</translation>
    </message>
</context>
<context>
    <name>Start_Window</name>
    <message>
        <source>Start &amp;New Game</source>
        <translation>&amp;Neues Spiel beginnen</translation>
    </message>
    <message>
        <source>&amp;Load Saved Game</source>
        <translation>Gespeichertes Spiel &amp;laden</translation>
    </message>
    <message>
        <source>Launch Bullquest HELP!</source>
        <translation>Bullquest-HILFE öffnen!</translation>
    </message>
    <message>
        <source>Choose the game&apos;s length and difficulty, then start playing.</source>
        <translation>Wähle Länge und Schwierigkeit des Spiels und fang an zu spielen.</translation>
    </message>
    <message>
        <source>Go on with a game you saved.</source>
        <translation>Setze ein gespeichertes Spiel fort.</translation>
    </message>
    <message>
        <source>Open the game&apos;s help: how to play, and every window explained.</source>
        <translation>Öffne die Hilfe des Spiels: wie man spielt, und jedes Fenster erklärt.</translation>
    </message>
</context>
<context>
    <name>Statistics_Window</name>
    <message>
        <source>%1, CHEATER!</source>
        <translation>%1, BETRÜGER!</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Beste Punkte</translation>
    </message>
    <message>
        <source>Best Multiple</source>
        <translation>Bestes Vielfaches</translation>
    </message>
    <message>
        <source>Fewest Turns</source>
        <translation>Wenigste Runden</translation>
    </message>
    <message>
        <source>Difficulty levels</source>
        <translation>Schwierigkeitsstufen</translation>
    </message>
    <message>
        <source>Your games at each difficulty level, counted at the end of each game.</source>
        <translation>Deine Spiele auf jeder Schwierigkeitsstufe, gezählt am Ende jedes Spiels.</translation>
    </message>
    <message>
        <source>Games that ended at this level, won or lost.</source>
        <translation>Spiele, die auf dieser Stufe endeten, gewonnen oder verloren.</translation>
    </message>
    <message>
        <source>Games you won.</source>
        <translation>Spiele, die du gewonnen hast.</translation>
    </message>
    <message>
        <source>Games the computer won.</source>
        <translation>Spiele, die der Computer gewonnen hat.</translation>
    </message>
    <message>
        <source>The best score of a game won without cheats.</source>
        <translation>Die besten Punkte eines ohne Cheats gewonnenen Spiels.</translation>
    </message>
    <message>
        <source>Your net worth as a multiple of the computer&apos;s, at your best win.</source>
        <translation>Dein Vermögen als Vielfaches des Vermögens des Computers, bei deinem besten Sieg.</translation>
    </message>
    <message>
        <source>The fewest turns a win took.</source>
        <translation>Die wenigsten Runden, die ein Sieg brauchte.</translation>
    </message>
    <message>
        <source>Statistics.txt is damaged or cannot be read: it is kept as it is, and nothing is added to it. Repair or delete it, or press Reset to start a new record.</source>
        <translation>Statistics.txt ist beschädigt oder nicht lesbar: Die Datei bleibt, wie sie ist, und es wird nichts hinzugefügt. Repariere oder lösche sie, oder drücke Zurücksetzen, um neu zu beginnen.</translation>
    </message>
    <message>
        <source>The &amp;last challenges:</source>
        <translation>&amp;Letzte Herausforderungen:</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>The last challenges</source>
        <translation>Die letzten Herausforderungen</translation>
    </message>
    <message>
        <source>The last 100 challenges you played, the newest first.</source>
        <translation>Die letzten 100 Herausforderungen, die du gespielt hast, die neueste zuerst.</translation>
    </message>
    <message>
        <source>The challenge&apos;s code: type it in Game &gt; Challenge to play it again.</source>
        <translation>Der Code der Herausforderung: Gib ihn unter Spiel &gt; Herausforderung ein, um sie noch einmal zu spielen.</translation>
    </message>
    <message>
        <source>The day it ended.</source>
        <translation>Der Tag, an dem sie endete.</translation>
    </message>
    <message>
        <source>Won, lost, or left for another game.</source>
        <translation>Gewonnen, verloren oder für ein anderes Spiel abgebrochen.</translation>
    </message>
    <message>
        <source>The score of a finished challenge.</source>
        <translation>Die Punkte einer beendeten Herausforderung.</translation>
    </message>
    <message>
        <source>The turns it lasted.</source>
        <translation>Die Runden, die sie dauerte.</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Punkte-Chart</translation>
    </message>
    <message>
        <source>The scores of the last challenges, the oldest on the left.</source>
        <translation>Die Punkte der letzten Herausforderungen, die älteste links.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Clear every figure of this window, after asking.</source>
        <translation>Alle Zahlen dieses Fensters löschen, nach einer Rückfrage.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>Dieses Fenster schließen.</translation>
    </message>
    <message>
        <source>Turns played in all: %1</source>
        <translation>Gespielte Runden insgesamt: %1</translation>
    </message>
    <message>
        <source>Scores of the last challenges</source>
        <translation>Punkte der letzten Herausforderungen</translation>
    </message>
    <message>
        <source>Lost or left</source>
        <translation>Kein Sieg</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Herausforderung</translation>
    </message>
</context>
<context>
    <name>Symbol_Picker</name>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Aktie</translation>
    </message>
    <message>
        <source>The stock to show, or the market index.</source>
        <translation>Die Aktie, die gezeigt wird, oder der Marktindex.</translation>
    </message>
    <message>
        <source>The stock to show.</source>
        <translation>Die Aktie, die gezeigt wird.</translation>
    </message>
    <message>
        <source>Previous stock</source>
        <translation>Vorige Aktie</translation>
    </message>
    <message>
        <source>The stock before this one in the list.</source>
        <translation>Die Aktie vor dieser in der Liste.</translation>
    </message>
    <message>
        <source>Next stock</source>
        <translation>Nächste Aktie</translation>
    </message>
    <message>
        <source>The stock after this one in the list.</source>
        <translation>Die Aktie nach dieser in der Liste.</translation>
    </message>
</context>
<context>
    <name>Tax_Window</name>
    <message>
        <source>Uncle Sam!</source>
        <translation>Onkel Sam!</translation>
    </message>
    <message>
        <source>Something To Brighten Your Day:</source>
        <translation>Etwas, das dir den Tag versüßt:</translation>
    </message>
    <message>
        <source>The following %1% capital gains taxes were levied for this last %2 turns!!</source>
        <translation>Für die letzten %2 Runden wurden folgende %1% Kapitalertragsteuer erhoben!!</translation>
    </message>
    <message>
        <source>You:</source>
        <translation>Du:</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Computer:</translation>
    </message>
    <message>
        <source>The tax taken from your cash on the gains you made in these turns.</source>
        <translation>Die Steuer auf deine Gewinne dieser Runden, von deinem Bargeld abgezogen.</translation>
    </message>
    <message>
        <source>The tax taken from the computer&apos;s cash on its gains.</source>
        <translation>Die Steuer auf die Gewinne des Computers, von seinem Bargeld abgezogen.</translation>
    </message>
    <message>
        <source>Oh My &amp;God!</source>
        <translation>Oh mein &amp;Gott!</translation>
    </message>
    <message>
        <source>Your tax</source>
        <translation>Deine Steuer</translation>
    </message>
    <message>
        <source>Computer&apos;s tax</source>
        <translation>Steuer des Computers</translation>
    </message>
</context>
<context>
    <name>Trade_Window</name>
    <message>
        <source>Stock</source>
        <translation>Aktie</translation>
    </message>
    <message>
        <source>The stock to trade: the arrows or the first letters of its symbol choose another.</source>
        <translation>Die Aktie für den Handel: Die Pfeiltasten oder die ersten Buchstaben ihres Symbols wählen eine andere.</translation>
    </message>
    <message>
        <source>The cash the trade would leave you; empty while it would be refused.</source>
        <translation>Das Bargeld, das dir nach dem Handel bliebe; leer, solange er abgelehnt würde.</translation>
    </message>
    <message>
        <source>The stock&apos;s price this turn, a share.</source>
        <translation>Der Kurs der Aktie in dieser Runde, je Aktie.</translation>
    </message>
    <message>
        <source>Click to put this number in the box.</source>
        <translation>Klicke, um diese Zahl ins Feld zu übernehmen.</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Make the trade in the box (Enter). A trade never ends the turn.</source>
        <translation>Den Handel im Feld ausführen (Enter). Ein Handel beendet nie die Runde.</translation>
    </message>
    <message>
        <source>Close this window (Escape).</source>
        <translation>Dieses Fenster schließen (Escape).</translation>
    </message>
</context>
<context>
    <name>Winners_Window</name>
    <message>
        <source>The Winners Circle</source>
        <translation>Die Bestenliste</translation>
    </message>
    <message>
        <source>Abnormal (ALL dificulty options enabled):</source>
        <translation>Abnorm (ALLE Schwierigkeitsoptionen an):</translation>
    </message>
    <message>
        <source>Advanced (any two difficulty options enabled):</source>
        <translation>Fortgeschritten (zwei beliebige Schwierigkeitsoptionen an):</translation>
    </message>
    <message>
        <source>Intermediate (any single difficulty option enabled):</source>
        <translation>Mittelstufe (eine beliebige Schwierigkeitsoption an):</translation>
    </message>
    <message>
        <source>Beginer  (no extra difficulty options enabled):</source>
        <translation>Anfänger  (keine zusätzliche Schwierigkeitsoption an):</translation>
    </message>
    <message>
        <source>Abnormal winners</source>
        <translation>Abnorm-Bestenliste</translation>
    </message>
    <message>
        <source>Advanced winners</source>
        <translation>Fortgeschrittenen-Bestenliste</translation>
    </message>
    <message>
        <source>Intermediate winners</source>
        <translation>Mittelstufen-Bestenliste</translation>
    </message>
    <message>
        <source>Beginer winners</source>
        <translation>Anfänger-Bestenliste</translation>
    </message>
    <message>
        <source>The three best scores at this level, the best first.</source>
        <translation>Die drei besten Punktzahlen dieser Stufe, die beste zuerst.</translation>
    </message>
    <message>
        <source>The winner&apos;s name.</source>
        <translation>Der Name des Gewinners.</translation>
    </message>
    <message>
        <source>The head start the winner chose, in dollars.</source>
        <translation>Der Vorsprung, den der Gewinner gewählt hat, in Dollar.</translation>
    </message>
    <message>
        <source>The winner&apos;s net worth at the end.</source>
        <translation>Das Vermögen des Gewinners am Ende.</translation>
    </message>
    <message>
        <source>The computer&apos;s net worth at the end.</source>
        <translation>Das Vermögen des Computers am Ende.</translation>
    </message>
    <message>
        <source>The score: 100 for every whole time the winner&apos;s net worth went into the computer&apos;s.</source>
        <translation>Die Punkte: 100 für jedes volle Mal, das das Vermögen des Computers in das des Gewinners passte.</translation>
    </message>
    <message>
        <source>&amp;Clear High Scores</source>
        <translation>Bestenliste &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;WOW!</source>
        <translation>&amp;WOW!</translation>
    </message>
    <message>
        <source>Close the winners circle (Enter or Escape).</source>
        <translation>Die Bestenliste schließen (Enter oder Escape).</translation>
    </message>
    <message>
        <source>Empty all four levels of the winners circle.</source>
        <translation>Alle vier Stufen der Bestenliste leeren.</translation>
    </message>
</context>
</TS>
