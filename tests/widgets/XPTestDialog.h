#pragma once
// A small dialog of plain widgets for the painter's tests: two buttons with glyphs, a plain
// button, an edit, a memo, two check boxes and a group box holding an edit.

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

struct XPTestDialog {
    QDialog dialog;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* plain = nullptr;
    QLineEdit* edit = nullptr;
    QPlainTextEdit* memo = nullptr;
    QCheckBox* check = nullptr;
    QCheckBox* other = nullptr;
    QGroupBox* group = nullptr;
    QLineEdit* groupEdit = nullptr;

    static QColor glyphColor() { return QColor(0, 140, 0); }

    static QIcon glyph()
    {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.fillRect(2, 2, 12, 12, glyphColor());
        return QIcon(pixmap);
    }

    XPTestDialog()
    {
        auto* grid = new QGridLayout(&dialog);
        ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setIcon(glyph());
        cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
        cancel->setIcon(glyph());
        plain = new QPushButton(QStringLiteral("Go"), &dialog);
        plain->setAutoDefault(false);
        ok->setAutoDefault(false);
        cancel->setAutoDefault(false);
        edit = new QLineEdit(QStringLiteral("text"), &dialog);
        memo = new QPlainTextEdit(QStringLiteral("memo"), &dialog);
        check = new QCheckBox(QStringLiteral("Check"), &dialog);
        other = new QCheckBox(QStringLiteral("Other"), &dialog);
        group = new QGroupBox(QStringLiteral("Group"), &dialog);
        auto* inner = new QGridLayout(group);
        groupEdit = new QLineEdit(group);
        inner->addWidget(groupEdit);
        grid->addWidget(edit, 0, 0, 1, 3);
        grid->addWidget(memo, 1, 0, 1, 3);
        grid->addWidget(check, 2, 0);
        grid->addWidget(other, 2, 1);
        grid->addWidget(group, 3, 0, 1, 3);
        grid->addWidget(plain, 4, 0);
        grid->addWidget(ok, 4, 1);
        grid->addWidget(cancel, 4, 2);
        for (QPushButton* button : {ok, cancel, plain})
            button->setMinimumSize(75, 25);
        dialog.resize(280, 300);
        grid->activate(); // geometries now, so tests can aim at pixels before showing
    }
};
