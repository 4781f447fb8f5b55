#include "manage/projects.h"

#include "app/DataStore.h"
#include "app/DialogBoxes.h"
#include "controls/PanelCaption.h"
#include "manage/ListBox.h"
#include "platform/Application.h"
#include "platform/Files.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

TprojectsFrm::TprojectsFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("projectsFrm");
    setWindowTitle("Remove Project");
    SetClientSize(284, 322);

    PanelCaption1 = new TPanelCaption(this);
    PanelCaption1->setObjectName("PanelCaption1");
    Place(PanelCaption1, 8, 8, 265, 23);
    PanelCaption1->SetCaptionText("Existing Projects");

    ProjectList = new TListBox(this);
    auto* list = ProjectList;
    ProjectList->setObjectName("ProjectList");
    Place(ProjectList, 8, 32, 265, 241);
    list->OnKeyDown = [this](int key) {
        bool taken = false;
        RunGuarded([&] { taken = ProjectListKeyDown(key); });
        return taken;
    };

    btnProjectDoDel = MakeButton(this, "btnProjectDoDel", "&Remove", 112, 288, 75, 25);
    SetDefaultButton(btnProjectDoDel);
    connect(btnProjectDoDel, &QPushButton::clicked, this, [this] { RunGuarded([this] { DoProjectDel(); }); });

    btnProjectDoClose = MakeButton(this, "btnProjectDoClose", "Close", 200, 288, 75, 25);
    SetCancelButton(btnProjectDoClose);
    SetButtonResult(btnProjectDoClose, mrCancel);

    SetAnchors(PanelCaption1, akLeft | akTop | akRight);
    SetAnchors(ProjectList, akLeft | akTop | akRight | akBottom);
    SetAnchors(btnProjectDoDel, akRight | akBottom);
    SetAnchors(btnProjectDoClose, akRight | akBottom);

    setTabOrder(ProjectList, btnProjectDoDel);
    setTabOrder(btnProjectDoDel, btnProjectDoClose);
    CenterOnScreen();
}

void TprojectsFrm::FormShow()
{
    ProjectList->clear();
    for (const std::string& name : GetDisplayNames(TFolderKind::Projects))
        ProjectList->AddName(name);
}

namespace {
// The names of the selected items, in list order.
std::vector<std::string> SelectedNames(const TListBox* list)
{
    std::vector<std::string> names;
    for (int row : list->SelectedRows()) names.push_back(list->NameAt(row));
    return names;
}
} // namespace

void TprojectsFrm::DoProjectDel()
{
    try {
        const std::vector<std::string> names = SelectedNames(ProjectList);
        const std::string statement = names.size() == 1
            ? "The project file \"" + names.front() + "\" is selected."
            : std::to_string(names.size()) + " project files are selected.";
        if (ldQuestionBox(this, statement, "Remove?") != mrYes) return;
        // A file that will not go stays where it is; the refill below shows it again.
        for (const std::string& name : names) DeleteFileAt(ProjectFilePath(name));
        for (int i = ProjectList->count() - 1; i >= 0; --i)
            if (ProjectList->item(i)->isSelected()) delete ProjectList->takeItem(i);
    } catch (const std::exception&) {
    }
    FormShow();
}

bool TprojectsFrm::ProjectListKeyDown(int key)
{
    if (key != Qt::Key_Delete) return false;
    DoProjectDel();
    return true;
}
