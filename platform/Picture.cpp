#include "Picture.h"

#include "Bitmap.h"
#include "Exception.h"
#include "JPEGImage.h"

namespace {

std::unique_ptr<TGraphic> CreateGraphic(const String& className) {
    if (className == "TJPEGImage")
        return std::make_unique<TJPEGImage>();
    if (className == "TBitmap")
        return std::make_unique<TBitmap>();
    throw EInvalidGraphic("Unknown picture format \"" + className + "\"");
}

} // namespace

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
    FGraphic = std::move(graphic);
    if (FGraphic)
        FGraphic->OnChange = [this] { Changed(); };
    Changed();
}

void TPicture::Assign(const TPicture& other) {
    SetGraphic(other.FGraphic ? other.FGraphic->Clone() : nullptr);
}

void TPicture::LoadFromStoredData(const std::vector<std::uint8_t>& data) {
    if (data.empty() || data.size() < 1u + data[0])
        throw EInvalidGraphic("Picture data too short for its graphic class name");
    String className(data.begin() + 1, data.begin() + 1 + data[0]);
    std::unique_ptr<TGraphic> graphic = CreateGraphic(className);
    std::size_t offset = 1u + data[0];
    graphic->LoadFromStoredData(data.data() + offset, data.size() - offset);
    SetGraphic(std::move(graphic));
}

void TPicture::Changed() {
    if (OnChange)
        OnChange();
}
