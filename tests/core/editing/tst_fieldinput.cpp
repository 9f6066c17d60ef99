// The validator of every field that goes into an archive: what a field shows is
// what its card stores. The fields of the three editors are tested in
// tst_cardeditor, the pasting into the registry's code fields in
// tst_registryaids, the rule itself in tst_storabletext.
#include "editing/FieldValidator.h"

#include <QtTest>

using namespace lumidex;

class TestFieldInput : public QObject {
    Q_OBJECT

private slots:
    void validatorPutsTextInStoredForm_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("Windows-1252 kept")
            << QString::fromUtf8("Città € “ok” Œ") << 3 << QString::fromUtf8("Città € “ok” Œ") << 3 << QStringList();
        QTest::newRow("Romanian name") << QString::fromUtf8("Ştefănescu") << 3 << "Stefanescu" << 3
                                       << QStringList { QString::fromUtf8("Ş>S"), QString::fromUtf8("ă>a") };
        QTest::newRow("Chinese name") << QString::fromUtf8("Li 李") << 4 << "Li " << 3
                                      << QStringList { QString::fromUtf8("李>") };
        QTest::newRow("emoji is one character")
            << QString::fromUtf8("a😀b") << 3 << "ab" << 1 << QStringList { QString::fromUtf8("😀>") };
        QTest::newRow("Cyrillic") << QString::fromUtf8("Ив") << 2 << "" << 0
                                  << QStringList { QString::fromUtf8("И>"), QString::fromUtf8("в>") };
    }
    void validatorPutsTextInStoredForm()
    {
        QFETCH(QString, input);
        QFETCH(int, pos);
        QFETCH(QString, output);
        QFETCH(int, cursor);
        QFETCH(QStringList, told);
        QStringList heard;
        FieldValidator validator(
            [&](const QList<storabletext::Change>& changes) {
                for (const auto& change : changes)
                    heard << change.character + QLatin1Char('>') + change.replacement;
            },
            nullptr);
        QCOMPARE(validator.validate(input, pos), QValidator::Acceptable);
        QCOMPARE(input, output);
        QCOMPARE(pos, cursor);
        QCOMPARE(heard, told);
        // A text already in stored form passes again without a word.
        heard.clear();
        QCOMPARE(validator.validate(input, pos), QValidator::Acceptable);
        QCOMPARE(input, output);
        QVERIFY(heard.isEmpty());
    }
};

QTEST_MAIN(TestFieldInput)
#include "tst_fieldinput.moc"
