// The search dialog: its controls, and ShowSearchDialog handing the text back.
#include "dialogs/FrmSearch.h"
#include "widgets/Modal.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using dialogs::TFrmSearch;

namespace {
QWidget* nextFocusable(QWidget* widget)
{
    do
        widget = widget->nextInFocusChain();
    while (widget->focusPolicy() == Qt::NoFocus);
    return widget;
}
} // namespace

class TestFrmSearch : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { widgets::Modal::clearQueuedAnswers(); }

    void controlsAndKeys()
    {
        TFrmSearch dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Search"));
        QCOMPARE(dialog.findChild<QLabel*>()->text(), QStringLiteral("Text to find "));
        QCOMPARE(dialog.edt_for_search->width(), 201);
        QVERIFY(dialog.btnOk->isDefault());
        QCOMPARE(nextFocusable(dialog.edt_for_search), dialog.btnOk);
        QCOMPARE(nextFocusable(dialog.btnOk), dialog.btnCancel);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(dialog.edt_for_search, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.show();
        QTest::keyClick(dialog.edt_for_search, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void okHandsBackTheTextExactlyAsTyped()
    {
        QString text = QStringLiteral("stale");
        widgets::Modal::queueDialogAnswer([](QDialog& shown) {
            auto& dialog = dynamic_cast<TFrmSearch&>(shown);
            dialog.edt_for_search->selectAll();
            QTest::keyClicks(dialog.edt_for_search, QStringLiteral("  It's 50%_ "));
            QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
            return dialog.result();
        });
        QVERIFY(dialogs::ShowSearchDialog(text, nullptr));
        QCOMPARE(text, QStringLiteral("  It's 50%_ "));
    }

    void cancelOrCloseLeavesTheText()
    {
        for (const bool closeBox : {false, true}) {
            QString text = QStringLiteral("kept");
            widgets::Modal::queueDialogAnswer([closeBox](QDialog& shown) {
                auto& dialog = dynamic_cast<TFrmSearch&>(shown);
                QTest::keyClicks(dialog.edt_for_search, QStringLiteral("other"));
                if (closeBox)
                    dialog.close();
                else
                    QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
                return dialog.result();
            });
            QVERIFY(!dialogs::ShowSearchDialog(text, nullptr));
            QCOMPARE(text, QStringLiteral("kept"));
        }
    }

    void appearsInTheMiddleOfTheScreen()
    {
        QString text;
        QPoint centre;
        widgets::Modal::queueDialogAnswer([&centre](QDialog& dialog) {
            centre = dialog.geometry().center();
            return int(QDialog::Rejected);
        });
        dialogs::ShowSearchDialog(text, nullptr);
        const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((centre - screenCentre).manhattanLength() <= 2);
    }
};

QTEST_MAIN(TestFrmSearch)
#include "tst_frmsearch.moc"
