// The category dialog: tab order, the OK rule, and the record it hands back.
#include "dialogs/CategoryManage.h"
#include "widgets/Modal.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using dialogs::TCategoryManage;

class TestCategoryManage : public QObject {
    Q_OBJECT

private slots:
    void tabOrderStartsAtOk()
    {
        TCategoryManage dialog;
        QWidget* widget = dialog.btnOk;
        for (QWidget* expected : std::initializer_list<QWidget*>{dialog.btnOk, dialog.btnCancel, dialog.edtcatname,
                                                                 dialog.edtcatDescription}) {
            QCOMPARE(widget, expected);
            do
                widget = widget->nextInFocusChain();
            while (widget->focusPolicy() == Qt::NoFocus);
        }
    }

    void okWaitsForANameAndNeverClosesWithoutOne()
    {
        TCategoryManage dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!dialog.btnOk->isEnabled());
        QTest::keyClicks(dialog.edtcatname, QStringLiteral("x"));
        QTest::keyClick(dialog.edtcatname, Qt::Key_Backspace);
        QVERIFY(dialog.btnOk->isEnabled()); // once usable, it stays so
        QTest::keyClick(dialog.edtcatname, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QTest::keyClicks(dialog.edtcatname, QStringLiteral("Home"));
        QTest::keyClick(dialog.edtcatname, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void showHandsBackCutTextsOnlyOnOk()
    {
        dialogs::TCategoryRec record;
        record.setName(QStringLiteral("Work"));
        record.setDescription(QStringLiteral("job"));
        for (const bool ok : {false, true}) {
            widgets::Modal::queueDialogAnswer([ok](QDialog& shown) {
                auto& dialog = dynamic_cast<TCategoryManage&>(shown);
                if (dialog.edtcatname->text() != QLatin1String("Work") || !dialog.btnOk->isEnabled())
                    return int(QDialog::Rejected);
                // 30 letters and a character of two UTF-16 units: the cut must not split it.
                dialog.edtcatname->setText(QString(30, QLatin1Char('n')) + QStringLiteral("\U0001F600!"));
                dialog.edtcatDescription->setText(QString(120, QLatin1Char('d')));
                QTest::keyClick(&dialog, ok ? Qt::Key_Return : Qt::Key_Escape);
                return dialog.result();
            });
            QCOMPARE(dialogs::ShowCategoryDialog(record, nullptr), ok);
        }
        QCOMPARE(record.name, QString(30, QLatin1Char('n')));
        QCOMPARE(record.description, QString(100, QLatin1Char('d')));
    }
};

QTEST_MAIN(TestCategoryManage)
#include "tst_categorymanage.moc"
