// The settings program exactly as it starts, except that it quits as soon as
// its main window's first frame is painted: what the start-up benchmark measures.

#include "Application.h"
#include "QuitAfterFirstPaint.h"
#include "template.h"

#include <iostream>

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    new QuitAfterFirstPaint("Setup", [] { Application->Terminate(); });
    try {
        Application->CreateForm(MainForm);
    } catch (const std::exception& error) {
        std::cerr << "bench_settings: " << error.what() << '\n';
        Application->Finalize();
        return 1;
    }
    return Application->Run();
}
