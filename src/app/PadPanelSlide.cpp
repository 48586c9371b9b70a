#include "app/PadPanelSlide.h"

bool PadPanelSlide::StartOpening()
{
    if (open_)
        return false;
    opening_ = true;
    moving_ = true;
    return true;
}

bool PadPanelSlide::StartClosing()
{
    // A panel still opening turns around too, so that releasing the button quickly never
    // leaves an open panel without its pads.
    if (!open_ && !moving_)
        return false;
    opening_ = false;
    moving_ = true;
    return true;
}

PadPanelSlide::Step PadPanelSlide::Tick()
{
    if (opening_) {
        if (height_ <= 200) {
            height_ += 30;
            return Step::Moving;
        }
        height_ = 200;
        open_ = true;
        opening_ = false;
        moving_ = false;
        return Step::Opened;
    }
    if (height_ > 0) {
        height_ -= 35;
        return Step::Moving;
    }
    height_ = 1;
    open_ = false;
    opening_ = true;
    moving_ = false;
    return Step::Closed;
}
