// Every language the game speaks is complete: lupdate, run over the desktop's sources into a copy
// of each translation, finds no text the translation lacks and leaves none unfinished; and every
// translated text keeps what the program fills in or the keyboard needs: the same %1..%9, one
// mnemonic where the English has one, and the same markup.
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "window_checks.h"

namespace {

struct Message {
    QString context, source, translation;
    bool unfinished = false;
};

QList<Message> Read_Ts(const QString& path) {
    QList<Message> all;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return all;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        else if (xml.name() == u"message") message = {context, {}, {}, false};
        else if (xml.name() == u"source") message.source = xml.readElementText();
        else if (xml.name() == u"translation") {
            const auto type = xml.attributes().value("type");
            message.unfinished = type == u"unfinished";
            // A vanished or obsolete text is no longer shown; lupdate -no-obsolete drops it.
            const bool gone = type == u"vanished" || type == u"obsolete";
            message.translation = xml.readElementText();
            if (!gone) all << message;
        }
    }
    return all;
}

QStringList Sorted(QStringList list) {
    list.sort();
    return list;
}

QStringList Placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression("%[1-9]").globalMatch(text)) found << match.captured();
    return Sorted(found);
}

QStringList Tags(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression("</?[a-zA-Z]+").globalMatch(text)) found << match.captured();
    return Sorted(found);
}

// Whether the text has a mnemonic: an "&" before a letter, not "&&" (an ampersand shown) nor
// a rich text's entity.
bool Has_Mnemonic(const QString& text) {
    return QRegularExpression("(?<!&)&(?![&\\s]|[a-z]+;|#[0-9]+;)").match(text).hasMatch();
}

QStringList Translations() {
    return QDir(Translations_Dir).entryList({"bullquest_*.ts"}, QDir::Files);
}

}  // namespace

class Translation_Test : public QObject {
    Q_OBJECT

private slots:
    void lupdateFindsNothingNewAndNothingUnfinished() {
        QVERIFY(!Translations().isEmpty());
        for (const QString& name : Translations()) {
            QTemporaryDir work;
            const QString copy = work.filePath(name);
            QVERIFY(QFile::copy(QDir(Translations_Dir).filePath(name), copy));
            QProcess lupdate;
            lupdate.start(Lupdate, {"-no-obsolete", "-locations", "none", Desktop_Sources, "-ts", copy});
            QVERIFY(lupdate.waitForFinished(60000));
            const QString said = QString::fromLocal8Bit(lupdate.readAllStandardOutput() + lupdate.readAllStandardError());
            QVERIFY2(lupdate.exitCode() == 0, qPrintable(said));
            const auto found = QRegularExpression("\\((\\d+) new and (\\d+) already existing\\)").match(said);
            QVERIFY2(found.hasMatch(), qPrintable(said));
            QVERIFY2(found.captured(1) == "0", qPrintable(name + ": " + said));
            for (const Message& m : Read_Ts(copy))
                QVERIFY2(!m.unfinished && !m.translation.isEmpty(), qPrintable(name + ": unfinished: " + m.context + ": " + m.source));
        }
    }

    void everyTranslationKeepsItsFiguresMnemonicAndMarkup() {
        for (const QString& name : Translations()) {
            const auto messages = Read_Ts(QDir(Translations_Dir).filePath(name));
            QVERIFY(messages.size() > 100);
            for (const Message& m : messages) {
                if (m.unfinished) continue;
                const QString seen = name + ": " + m.context + ": " + m.source + " => " + m.translation;
                QVERIFY2(Placeholders(m.translation) == Placeholders(m.source), qPrintable(seen));
                QVERIFY2(Has_Mnemonic(m.translation) == Has_Mnemonic(m.source), qPrintable(seen));
                QVERIFY2(Tags(m.translation) == Tags(m.source), qPrintable(seen));
                QVERIFY2(m.source.endsWith("...") == m.translation.endsWith("..."), qPrintable(seen));
            }
        }
    }
};

QTEST_MAIN(Translation_Test)
#include "translation_test.moc"
