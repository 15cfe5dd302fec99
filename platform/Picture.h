#pragma once

#include "Graphic.h"

#include <functional>
#include <memory>
#include <vector>

// Holds one graphic of any format and tells its owner when the content changes.
class TPicture {
public:
    TPicture() = default;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }

    // Copies the other picture's graphic; the other keeps its own.
    void Assign(const TPicture& other);
    // Reads what a stored description keeps for a picture: the graphic's class
    // name as one length byte and the name's characters, then the graphic's data.
    void LoadFromStoredData(const std::vector<std::uint8_t>& data);

    std::function<void()> OnChange;

private:
    void Changed();
    std::unique_ptr<TGraphic> FGraphic;
};
