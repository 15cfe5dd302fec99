// The settings program: starts the application, creates the main window from
// its stored description and runs the message loop until the window closes.

#include "Application.h"
#include "template.h"

#include <iostream>

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    try {
        Application->CreateForm(MainForm);
    } catch (const std::exception& error) {
        // A description that cannot be read leaves no window to show the message in.
        std::cerr << "Settings: " << error.what() << '\n';
        Application->Finalize(); // the toolkit must stop before the process's own clean-up
        return 1;
    }
    return Application->Run();
}
