// The find window "查找文本": a search box and the button "查找", owned by the main
// window, loaded on demand and destroyed when the user closes it.
#pragma once

#include "shell/text.h"

#include <windows.h>

class FindTextWindow {
  public:
    // Loads the window centred on the screen, or brings the loaded one forward.
    void open(HWND owner);
    bool isLoaded() const { return window_ != nullptr; }
    HWND handle() const { return window_; }
    Text searchText() const;
    // Enter in the search box: the button is not the default one, so nothing happens.
    bool swallowsKey(const MSG& message) const;

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void fitSearchBoxToFont();

    HWND window_ = nullptr;
    HWND searchBox_ = nullptr;
    HWND button_ = nullptr;
    HWND lastFocus_ = nullptr; // given the focus back when the window is activated again
};
