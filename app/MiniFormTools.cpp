// The tools reached from the menus: search, reminders, options, export, print, help, about.
#include "app/MiniForm.h"

#include "store/Statements.h"

namespace app {

namespace {
const char* const kFontOptions[] = {"font_size", "font_style", "font_color", "font_charset"};
}

void TMiniForm::OpenDueReminders()
{
    store::Query& query = AQclipReminds();
    query.close();
    query.clearSql();
    query.addLine(store::sql::selectDueReminders);
    query.open();
}

void TMiniForm::LoadNoteFont()
{
    store::Query& query = AQclipModify();
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        query.close();
        query.clearSql();
        query.addLine(store::sql::selectOption(QString::fromLatin1(kFontOptions[i])));
        query.open();
        values[i] = query.fieldAsInteger(QStringLiteral("optionvalue"));
    }
    query.close();
    widgets::FontValue& font = m_state.NoteFont;
    if (values[0] != 0)
        font.size = values[0];
    if (values[1] != 0)
        font.style = values[1] & 0xFF;
    if (values[2] != 0)
        font.color = values[2];
    if (values[3] != 0)
        font.charset = values[3] & 0xFF;
}

void TMiniForm::Reminder1Click() {}
void TMiniForm::tmRemindTimer() {}
void TMiniForm::Options1Click() {}
void TMiniForm::Export1Click() {}
void TMiniForm::Print1Click() {}
void TMiniForm::Help1Click() {}
void TMiniForm::About1Click() {}

} // namespace app
