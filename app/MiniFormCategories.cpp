// Categories: the tab change, new category, rename and delete.
#include "app/MiniForm.h"

namespace app {

bool TMiniForm::tabGroupsChange(int) { return true; }
void TMiniForm::actNewCategoryExecute() {}
void TMiniForm::Rename1Click() {}
void TMiniForm::Delete1Click() {}

} // namespace app
