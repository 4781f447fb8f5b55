#pragma once
// What makes the application object this program's: its name, the text of its task-bar entry,
// and its icon.
class QApplication;

void SetUpProgram(QApplication& app);
