#pragma once

#include "Types.h"

#include <vector>

class TForm;

// The desktop: the primary screen's size and work area, and every form of the
// application, visible or hidden.
class TScreen {
public:
    int Width() const;
    int Height() const;
    // The primary screen less the task bars and panels of the desktop.
    TRect WorkAreaRect() const;

    int FormCount() const { return int(FForms.size()); }
    TForm* Forms(int index) const { return FForms.at(index); }

private:
    friend class TForm;
    void AddForm(TForm* form) { FForms.push_back(form); }
    void RemoveForm(TForm* form);

    std::vector<TForm*> FForms;
};

extern TScreen* Screen;
