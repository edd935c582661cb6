// Editing and navigation: the two modes, the tool row and the note commands.
#include "app/MiniForm.h"

#include "app/NoteGrid.h"
#include "widgets/MouseEffectImage.h"
#include "widgets/TabSet.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace app {

void TMiniForm::imgEditModeClick()
{
    memoContent->raise();
    memoContent->setFocus();
    imgEditModeDis->raise();
    imgEditModeDis->show();
    imgEditMode->setEnabled(false);
    imgBrowseMode->setEnabled(true);
    imgBrowseModeDis->hide();
    pnlStatus2->setText(QStringLiteral("(mode:Edit)"));
    tabGroups->setEnabled(true);
    m_state.InBrowseMode = false;
    pnlStatus1->setText(QStringLiteral("Press 'Ctrl + Enter' to apply changes"));
}

void TMiniForm::imgBrowseModeClick()
{
    sgContents->raise();
    imgEditMode->setPicture(imgEditMode->downPicture());
    imgBrowseModeDis->raise();
    imgBrowseModeDis->show();
    imgBrowseMode->setEnabled(false);
    imgEditMode->setEnabled(true);
    imgEditModeDis->hide();
    pnlStatus2->setText(QStringLiteral("(mode:Browse)"));
    tabGroups->setEnabled(true);
    m_state.InBrowseMode = true;
}

void TMiniForm::imgNewClick() {}
void TMiniForm::imgApplyClick() {}
void TMiniForm::imgDeleteClick() {}
void TMiniForm::imgPreClick() {}
void TMiniForm::imgNextClick() {}
void TMiniForm::sgContentsDblClick() {}
void TMiniForm::Copy1Click() {}
void TMiniForm::Edit1Click() { imgEditModeClick(); }
void TMiniForm::Deletenote1Click() { imgDeleteClick(); }

} // namespace app
