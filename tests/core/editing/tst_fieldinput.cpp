// The validator of every card field: what a field shows is what its card
// stores. The fields of the three editors are tested in tst_cardeditor, the
// pasting into the registry's code fields in tst_registryaids.
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
        QTest::newRow("Windows-1252 kept")
            << QString::fromUtf8("Città € “ok” Œ") << 3 << QString::fromUtf8("Città € “ok” Œ") << 3;
        QTest::newRow("Chinese name") << QString::fromUtf8("Li 李") << 4 << "Li ?" << 4;
        QTest::newRow("emoji is one character") << QString::fromUtf8("a😀b") << 3 << "a?b" << 2;
        QTest::newRow("Cyrillic") << QString::fromUtf8("Иван") << 4 << "????" << 4;
    }
    void validatorPutsTextInStoredForm()
    {
        QFETCH(QString, input);
        QFETCH(int, pos);
        QFETCH(QString, output);
        QFETCH(int, cursor);
        FieldValidator validator;
        QCOMPARE(validator.validate(input, pos), QValidator::Acceptable);
        QCOMPARE(input, output);
        QCOMPARE(pos, cursor);
    }
};

QTEST_MAIN(TestFieldInput)
#include "tst_fieldinput.moc"
