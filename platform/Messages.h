#pragma once

#include <cstdint>

// Window messages keep the numbers the controls were designed with, so that a
// message sent by number elsewhere (WM_USER + 162, say) reaches the same handler.
struct TMessage {
    unsigned Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_QUERYNEWPALETTE = 0x030F;
constexpr unsigned WM_USER = 0x0400;

constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;

// WParam of WM_ACTIVATE.
constexpr std::intptr_t WA_INACTIVE = 0;
constexpr std::intptr_t WA_ACTIVE = 1;
constexpr std::intptr_t WA_CLICKACTIVE = 2;
