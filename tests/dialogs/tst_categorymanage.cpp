// The category dialog: its controls, the OK rule and what ShowCategoryDialog hands back.
#include "dialogs/CategoryManage.h"
#include "widgets/Modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using dialogs::TCategoryManage;
using dialogs::TCategoryRec;

class TestCategoryManage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { widgets::Modal::clearQueuedAnswers(); }

    void controlsSitWhereTheyBelongInTabOrder()
    {
        TCategoryManage dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Category manage"));
        QCOMPARE(dialog.size(), QSize(275, 165));
        QCOMPARE(dialog.edtcatname->geometry().topLeft(), QPoint(120, 24));
        QCOMPARE(dialog.edtcatname->width(), 121);
        QCOMPARE(dialog.edtcatDescription->geometry().topLeft(), QPoint(24, 80));
        QCOMPARE(dialog.edtcatDescription->width(), 217);
        QCOMPARE(dialog.btnOk->geometry(), QRect(88, 129, 75, 25));
        QCOMPARE(dialog.btnCancel->geometry(), QRect(168, 129, 75, 25));
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            labels << label->text();
        labels.sort();
        QCOMPARE(labels, (QStringList{"Category Description:", "Category name(*):"}));
        QVERIFY(dialog.btnOk->isDefault());
        QCOMPARE(dialog.edtcatname->maxLength(), QLineEdit().maxLength()); // no limit of its own

        QWidget* expected[] = {dialog.btnOk, dialog.btnCancel, dialog.edtcatname, dialog.edtcatDescription};
        QWidget* widget = dialog.btnOk;
        for (QWidget* next : expected) {
            QCOMPARE(widget, next);
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
        QTest::keyClick(dialog.edtcatname, Qt::Key_Return); // the default button is unavailable
        QVERIFY(dialog.isVisible());
        QTest::keyClicks(dialog.edtcatname, QStringLiteral("x"));
        QVERIFY(dialog.btnOk->isEnabled());
        QTest::keyClick(dialog.edtcatname, Qt::Key_Backspace);
        QVERIFY(dialog.btnOk->isEnabled()); // once usable, it stays so
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QTest::keyClicks(dialog.edtcatname, QStringLiteral("Home"));
        QTest::keyClick(dialog.edtcatname, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void escapeCancels()
    {
        TCategoryRec record;
        record.setName(QStringLiteral("Work"));
        widgets::Modal::queueDialogAnswer([](QDialog& dialog) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            return dialog.result();
        });
        QVERIFY(!dialogs::ShowCategoryDialog(record, nullptr));
        QCOMPARE(record.name, QStringLiteral("Work"));
    }

    void showFillsTheDialogAndCopiesBackOnOk()
    {
        TCategoryRec record;
        record.setName(QStringLiteral("Work"));
        record.setDescription(QStringLiteral("job"));
        widgets::Modal::queueDialogAnswer([](QDialog& shown) {
            auto& dialog = dynamic_cast<TCategoryManage&>(shown);
            if (dialog.edtcatname->text() != QLatin1String("Work") || !dialog.btnOk->isEnabled() ||
                dialog.edtcatDescription->text() != QLatin1String("job"))
                return int(QDialog::Rejected);
            dialog.edtcatname->setText(QString(40, QLatin1Char('n')));
            dialog.edtcatDescription->setText(QString(120, QLatin1Char('d')));
            QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
            return dialog.result();
        });
        QVERIFY(dialogs::ShowCategoryDialog(record, nullptr));
        QCOMPARE(record.name, QString(31, QLatin1Char('n')));
        QCOMPARE(record.description, QString(100, QLatin1Char('d')));
    }

    void anEmptyRecordLeavesBothEditsEmpty()
    {
        TCategoryRec record;
        record.description = QStringLiteral("ignored without a name");
        widgets::Modal::queueDialogAnswer([](QDialog& shown) {
            auto& dialog = dynamic_cast<TCategoryManage&>(shown);
            const bool empty = dialog.edtcatDescription->text().isEmpty() && !dialog.btnOk->isEnabled();
            return int(empty ? QDialog::Accepted : QDialog::Rejected);
        });
        QVERIFY(dialogs::ShowCategoryDialog(record, nullptr));
    }

    void theCutNeverSplitsACharacter()
    {
        TCategoryRec record;
        // 30 letters, then a character outside the basic plane (two UTF-16 units).
        record.setName(QString(30, QLatin1Char('a')) + QStringLiteral("\U0001F600tail"));
        QCOMPARE(record.name, QString(30, QLatin1Char('a')));
        record.setName(QString(29, QLatin1Char('a')) + QStringLiteral("\U0001F600tail"));
        QCOMPARE(record.name.size(), 31);
        QVERIFY(record.name.endsWith(QStringLiteral("\U0001F600")));
    }
};

QTEST_MAIN(TestCategoryManage)
#include "tst_categorymanage.moc"
