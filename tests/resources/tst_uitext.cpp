#include "ui-text.h"

#include <QtTest>

namespace {

const QStringList kLanguages = {
    "chs", "cht", "csy", "dan", "enu", "fre", "ger", "hun", "ita", "jpn", "krn",
    "nld", "nor", "plk", "ptb", "ptg", "rus", "spn", "sve", "tha", "trk"};
const QStringList kUncompressed = {"chs", "cht", "jpn", "krn"};

const char kAppName[] = "Quenmark Zelto Client";
const char kPreparing[] = "%1 is initializing...";
const char kReady[] = "%1 is ready.";

QString sourceDir()
{
    return qEnvironmentVariable("ZELTO_SOURCE_DIR");
}

QString catalogueSource(const QString &code)
{
    return sourceDir() + "/src/resources/translations/" + code + ".ts";
}

QStringList distinctTexts()
{
    QStringList texts;
    for (int i = 0; i < kUITextCount; ++i)
        texts << QString::fromUtf8(UITextEnglish(i));
    texts.removeDuplicates();
    return texts;
}

QSet<QString> placeholders(const QString &s)
{
    QSet<QString> found;
    static const QRegularExpression re("%[0-9]");
    auto it = re.globalMatch(s);
    while (it.hasNext())
        found.insert(it.next().captured());
    return found;
}

struct TsMessage {
    QString source;
    QString translation;
    bool unfinished = false;
};

// Reads a catalogue source and fails the test on anything the catalogues
// must not hold: another context, disambiguation, plural forms.
bool readCatalogue(const QString &path, QList<TsMessage> *messages, QString *why)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *why = "cannot open " + path;
        return false;
    }
    QXmlStreamReader xml(&f);
    TsMessage current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            const QString ctx = xml.readElementText();
            if (ctx != "global") {
                *why = "context " + ctx;
                return false;
            }
        } else if (name == QLatin1String("message")) {
            if (xml.attributes().hasAttribute("numerus")) {
                *why = "plural message";
                return false;
            }
            current = TsMessage();
        } else if (name == QLatin1String("comment") || name == QLatin1String("numerusform")) {
            *why = "disambiguation or plural form";
            return false;
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            current.unfinished = xml.attributes().value("type") == QLatin1String("unfinished");
            current.translation = xml.readElementText();
            messages->append(current);
        }
    }
    if (xml.hasError()) {
        *why = xml.errorString();
        return false;
    }
    return true;
}

// Answers every lookup with a text that carries escapes, as a catalogue
// written with backslash sequences would.
class EscapingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *, const char *, int) const override
    {
        return QStringLiteral("a\\nb\\tc\\\\x\\N");
    }
};

} // namespace

class TestUIText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void pinnedEntries_data();
    void pinnedEntries();
    void tableShape();
    void lookupOutsideTable();

    void findIndex_data();
    void findIndex();
    void findEveryKeyInCapitals();

    void lookupWithoutTranslator();
    void lookupWithTranslator_data();
    void lookupWithTranslator();
    void sharedTextsTranslateAlike_data();
    void sharedTextsTranslateAlike();
    void escapesInTranslations();

    void catalogueSources_data();
    void catalogueSources();
    void tableIsMarkedForExtraction();
    void noBuiltCataloguesInSources();

    void compiledCatalogues_data();
    void compiledCatalogues();
    void storage_data();
    void storage();
    void unknownLanguage();
};

void TestUIText::initTestCase()
{
    QVERIFY2(!sourceDir().isEmpty(), "ZELTO_SOURCE_DIR not set");
    RegisterTranslationResources();
    RegisterTranslationResources();  // a second registration must be harmless
    InitUITextTable();
}

void TestUIText::pinnedEntries_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "bkp_desc_msg_share_quotafull"
                       << "The quota of destination shared folder has reached the system limit. Please change "
                          "the quota limit on the server or contact the system administrator.";
    QTest::newRow("3") << 3 << "common_maxlengthtext" << "Field cannot exceed %1 numbers.";
    QTest::newRow("5") << 5 << "msi_button_ignore" << "&Ignore";
    QTest::newRow("21") << 21 << "title_folder_readonly" << "Error";
    QTest::newRow("24") << 24 << "msi_userexit_dlg_description1"
                        << "[ProductName] setup was interrupted. Your system has not been modified. To install "
                           "this program at a later time, please run the installation again.";
    QTest::newRow("82") << int(UITEXT_APP_NAME) << "app_name_zelto_client" << kAppName;
    QTest::newRow("156") << 156 << "main_status_error" << "Error";
    QTest::newRow("386") << int(UITEXT_ENV_PREPARING) << "desc_orvilex_env_preparing_zelto" << kPreparing;
    QTest::newRow("668") << 668 << "err_common" << "Error";
    QTest::newRow("784") << int(UITEXT_ENV_PREPARATION_DONE) << "desc_orvilex_env_preparation_done_zelto"
                         << kReady;
}

void TestUIText::pinnedEntries()
{
    QFETCH(int, position);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QCOMPARE(QString::fromUtf8(UITextKey(position)), key);
    QCOMPARE(QString::fromUtf8(UITextEnglish(position)), text);
    QCOMPARE(LookupUIText(position), text);
}

void TestUIText::tableShape()
{
    QCOMPARE(kUITextCount, 1085);
    static const QRegularExpression keyForm("^[A-Za-z0-9_]+$");
    QSet<QString> keys;
    QSet<QString> areas;
    int withOne = 0;
    int withTwo = 0;
    int errors = 0;
    int settings = 0;
    for (int i = 0; i < kUITextCount; ++i) {
        QVERIFY2(UITextKey(i) && UITextEnglish(i), qPrintable(QString::number(i)));
        const QString key = QString::fromLatin1(UITextKey(i));
        const QString text = QString::fromUtf8(UITextEnglish(i));
        QVERIFY2(keyForm.match(key).hasMatch(), qPrintable(key));
        QVERIFY2(!keys.contains(key.toLower()), qPrintable("key repeats: " + key));
        keys.insert(key.toLower());
        areas.insert(key.section('_', 0, 0));
        QVERIFY2(!text.isEmpty() && text.size() <= 360, qPrintable(key));
        QVERIFY2(!text.contains('\n') && !text.contains('\t') && !text.contains('\\'), qPrintable(key));
        errors += text == "Error";
        settings += text == "Settings";
    }
    const QStringList texts = distinctTexts();
    QCOMPARE(texts.size(), 955);
    for (const QString &t : texts) {
        withOne += t.contains("%1");
        withTwo += t.contains("%2");
        // A second placeholder without the first cannot be filled in order.
        QVERIFY2(!t.contains("%2") || t.contains("%1"), qPrintable(t));
    }
    QVERIFY2(withOne >= 90 && withTwo >= 15, "placeholders missing from the texts");
    QVERIFY2(areas.size() >= 100, "keys do not name their areas");
    QCOMPARE(errors, 3);
    QCOMPARE(settings, 7);
}

void TestUIText::lookupOutsideTable()
{
    QVERIFY(LookupUIText(-1).isNull());
    QVERIFY(LookupUIText(kUITextCount).isNull());
    QVERIFY(UITextKey(kUITextCount) == nullptr);
    QVERIFY(UITextEnglish(-1) == nullptr);
}

void TestUIText::findIndex_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("position");
    QTest::newRow("as stored") << "app_name_zelto_client" << 82;
    QTest::newRow("capitals") << "APP_NAME_ZELTO_CLIENT" << 82;
    QTest::newRow("mixed") << "App_Name_Zelto_Client" << 82;
    QTest::newRow("err_common") << "ERR_common" << 668;
    QTest::newRow("preparing") << "Desc_Orvilex_Env_Preparing_Zelto" << 386;
    QTest::newRow("stored with capitals, asked in lower case")
        << "nsis_not_admin_confirm" << FindUITextIndex("NSIS_NOT_ADMIN_CONFIRM");
    QTest::newRow("unknown") << "app_name_zelto_clients" << -1;
    QTest::newRow("prefix only") << "app_name_zelto" << -1;
    QTest::newRow("trailing blank") << "err_common " << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("non-ASCII") << QString::fromUtf8("err_commön") << -1;
}

void TestUIText::findIndex()
{
    QFETCH(QString, key);
    QFETCH(int, position);
    QCOMPARE(FindUITextIndex(key), position);
}

void TestUIText::findEveryKeyInCapitals()
{
    QVERIFY(FindUITextIndex("NSIS_NOT_ADMIN_CONFIRM") >= 0);
    QVERIFY(FindUITextIndex("denied_access_ipaddr_DESC") >= 0);
    for (int i = 0; i < kUITextCount; ++i) {
        const QString key = QString::fromLatin1(UITextKey(i));
        QCOMPARE(FindUITextIndex(key.toUpper()), i);
        QCOMPARE(FindUITextIndex(key.toLower()), i);
    }
}

void TestUIText::lookupWithoutTranslator()
{
    QCOMPARE(LookupUIText(UITEXT_ENV_PREPARING), QString(kPreparing));
    QCOMPARE(LookupUIText(UITEXT_ENV_PREPARING).arg(LookupUIText(UITEXT_APP_NAME)),
             QString("Quenmark Zelto Client is initializing..."));
    QCOMPARE(LookupUIText(21), QString("Error"));
    QCOMPARE(LookupUIText(156), LookupUIText(21));
    QCOMPARE(LookupUIText(668), LookupUIText(21));
    for (int i = 0; i < kUITextCount; ++i)
        QCOMPARE(LookupUIText(i), QString::fromUtf8(UITextEnglish(i)));
}

void TestUIText::lookupWithTranslator_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("preparing");
    QTest::addColumn<QString>("ready");
    QTest::newRow("enu") << "enu" << kPreparing << kReady;
    QTest::newRow("ger") << "ger" << QString::fromUtf8("%1 wird initialisiert...")
                         << QString::fromUtf8("%1 ist bereit.");
    QTest::newRow("rus") << "rus" << QString::fromUtf8("%1 инициализируется...")
                         << QString::fromUtf8("%1 готов к работе.");
    QTest::newRow("jpn") << "jpn" << QString::fromUtf8("%1 を初期化しています...")
                         << QString::fromUtf8("%1 の準備ができました。");
}

void TestUIText::lookupWithTranslator()
{
    QFETCH(QString, code);
    QFETCH(QString, preparing);
    QFETCH(QString, ready);
    QTranslator translator;
    QVERIFY(translator.load(":/" + code + ".qm", QString(), QString(), QString()));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const auto removal = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    QCOMPARE(LookupUIText(UITEXT_APP_NAME), QString(kAppName));
    QCOMPARE(LookupUIText(UITEXT_ENV_PREPARING), preparing);
    QCOMPARE(LookupUIText(UITEXT_ENV_PREPARATION_DONE), ready);
    QCOMPARE(LookupUIText(UITEXT_ENV_PREPARATION_DONE).arg(LookupUIText(UITEXT_APP_NAME)),
             QString(ready).replace("%1", kAppName));
}

void TestUIText::sharedTextsTranslateAlike_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("error");
    QTest::newRow("enu") << "enu" << "Error";
    QTest::newRow("ger") << "ger" << "Fehler";
    QTest::newRow("chs") << "chs" << QString::fromUtf8("错误");
}

void TestUIText::sharedTextsTranslateAlike()
{
    QFETCH(QString, code);
    QFETCH(QString, error);
    QTranslator translator;
    QVERIFY(translator.load(":/" + code + ".qm", QString(), QString(), QString()));
    QCoreApplication::installTranslator(&translator);
    const auto removal = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    QCOMPARE(LookupUIText(21), error);
    QCOMPARE(LookupUIText(156), error);
    QCOMPARE(LookupUIText(668), error);
}

void TestUIText::escapesInTranslations()
{
    EscapingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const auto removal = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    // Only lower-case n and t after a backslash are escapes.
    QCOMPARE(LookupUIText(5), QString("a\nb\tc\\\\x\\N"));
}

void TestUIText::catalogueSources_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : kLanguages)
        QTest::newRow(qPrintable(code)) << code;
}

void TestUIText::catalogueSources()
{
    QFETCH(QString, code);
    QList<TsMessage> messages;
    QString why;
    QVERIFY2(readCatalogue(catalogueSource(code), &messages, &why), qPrintable(why));

    const QStringList texts = distinctTexts();
    const QSet<QString> wanted(texts.begin(), texts.end());
    static const QRegularExpression accelerator("&[^&\\s]");
    QSet<QString> seen;
    for (const TsMessage &m : messages) {
        QVERIFY2(wanted.contains(m.source), qPrintable("not a table text: " + m.source));
        QVERIFY2(!seen.contains(m.source), qPrintable("twice: " + m.source));
        seen.insert(m.source);
        QVERIFY2(!m.translation.isEmpty(), qPrintable("empty translation: " + m.source));
        QVERIFY2(placeholders(m.translation) == placeholders(m.source),
                 qPrintable("placeholders differ: " + m.source + " -> " + m.translation));
        // The installer fills in the product name, and a button without its
        // accelerator loses its keyboard access.
        QVERIFY2(m.source.contains("[ProductName]") == m.translation.contains("[ProductName]"),
                 qPrintable(m.source + " -> " + m.translation));
        QVERIFY2(!accelerator.match(m.source).hasMatch() || accelerator.match(m.translation).hasMatch(),
                 qPrintable(m.source + " -> " + m.translation));
        if (code == "enu")
            QCOMPARE(m.translation, m.source);
    }
    QCOMPARE(seen.size(), 955);

    // The three texts the launcher shows are really translated everywhere.
    for (const TsMessage &m : messages) {
        if (m.source == kAppName) {
            QCOMPARE(m.translation, QString(kAppName));
            QVERIFY(!m.unfinished);
        } else if (m.source == kPreparing || m.source == kReady) {
            QVERIFY2(!m.unfinished, qPrintable(m.source));
            QVERIFY2(code == "enu" || m.translation != m.source, qPrintable(m.source));
        }
    }
}

void TestUIText::tableIsMarkedForExtraction()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ts = dir.filePath("extracted.ts");
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(ZELTO_LUPDATE, {"-no-obsolete", "-locations", "none",
                                  sourceDir() + "/src/resources/ui-text-table.cpp", "-ts", ts});
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
    QList<TsMessage> messages;
    QString why;
    QVERIFY2(readCatalogue(ts, &messages, &why), qPrintable(why));
    QStringList extracted;
    for (const TsMessage &m : messages)
        extracted << m.source;
    QCOMPARE(extracted, distinctTexts());
}

void TestUIText::noBuiltCataloguesInSources()
{
    QDirIterator it(sourceDir() + "/src/resources", {"*.qm"}, QDir::Files, QDirIterator::Subdirectories);
    QVERIFY2(!it.hasNext(), qPrintable(it.hasNext() ? it.next() : QString()));
}

void TestUIText::compiledCatalogues_data()
{
    catalogueSources_data();
}

void TestUIText::compiledCatalogues()
{
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(":/" + code + ".qm", QString(), QString(), QString()));
    QVERIFY(!translator.isEmpty());
    QVERIFY2(translator.language().isEmpty(), "catalogue carries a language record");

    QList<TsMessage> messages;
    QString why;
    QVERIFY2(readCatalogue(catalogueSource(code), &messages, &why), qPrintable(why));
    // Every message made it into the compiled file, untranslated ones too.
    for (const TsMessage &m : messages) {
        const QString out = translator.translate("global", m.source.toUtf8().constData(), nullptr, -1);
        QVERIFY2(out == m.translation, qPrintable(m.source + " -> " + out));
    }
    QVERIFY(translator.translate("other", "Error").isEmpty());
}

void TestUIText::storage_data()
{
    catalogueSources_data();
}

void TestUIText::storage()
{
    QFETCH(QString, code);
    const QString path = ":/" + code + ".qm";
    QResource res(path);
    QVERIFY(res.isValid());
    const bool plain = kUncompressed.contains(code);
    QCOMPARE(res.compressionAlgorithm(), plain ? QResource::NoCompression : QResource::ZlibCompression);

    static const QByteArray magic = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray content = f.readAll();
    QVERIFY(content.startsWith(magic));
    QCOMPARE(res.uncompressedSize(), qint64(content.size()));

    const QByteArray stored(reinterpret_cast<const char *>(res.data()), int(res.size()));
    if (plain) {
        QCOMPARE(stored, content);
    } else {
        // Qt's zlib form: the big-endian plain size, then the zlib stream.
        QVERIFY(stored.size() < content.size());
        QCOMPARE(qFromBigEndian<quint32>(stored.constData()), quint32(content.size()));
        QCOMPARE(quint8(stored.at(4)), quint8(0x78));
        QCOMPARE(qUncompress(stored), content);
    }
}

void TestUIText::unknownLanguage()
{
    QTranslator translator;
    QVERIFY(!translator.load(":/xyz.qm", QString(), QString(), QString()));
    QVERIFY(translator.isEmpty());
    QVERIFY(!QFile::exists(":/xyz.qm"));
    QCOMPARE(LookupUIText(UITEXT_ENV_PREPARATION_DONE), QString(kReady));
}

QTEST_GUILESS_MAIN(TestUIText)
#include "tst_uitext.moc"
