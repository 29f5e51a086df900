#pragma once

#include "../skin/QtTestApp.h"
#include "app/TForm1.h"
#include "platform/automation/ServerRegistry.h"
#include "platform/dialogs/DialogRecorder.h"
#include "platform/regional/RegionalSettings.h"
#include "platform/shell/ShellRecorder.h"
#include "settings/TForm2.h"

#include <QCoreApplication>

namespace paginox::test {

// The main window and its settings dialog as start-up makes them, with recorded
// dialogs and shell and a registry of servers of the test's own.
class MainWindowFixture : public QtFixture {
protected:
    MainWindowFixture() : Form1(Dialogs, Shell, Regional, Servers), Form2(Dialogs, Shell, Regional, &Form1)
    {
        Form1.SetForm2(Form2);
    }

    void ShowAndSettle()
    {
        Form1.show();
        Settle();
    }
    static void Settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    DialogRecorder Dialogs;
    ShellRecorder Shell;
    FixedRegionalSettings Regional;
    ServerRegistry Servers;
    TForm1 Form1;
    TForm2 Form2;
};

} // namespace paginox::test
