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
