// The main window's menu bar: the stored state of every item of the menu tree, the one
// builder that turns it into a real menu, and the accelerator table of its shortcuts.
#pragma once

#include "shell/window_definitions.h"

#include <windows.h>

#include <optional>
#include <vector>

class MenuBar {
  public:
    MenuBar();

    // A new menu bar from the stored states; hidden items are left out with everything
    // nested under them. The caller owns the menu.
    HMENU build() const;
    // The shortcuts of the menu tree, sending the same commands as their items.
    HACCEL createAccelerators() const;
    // The item whose command a WM_COMMAND carries, if it is one of ours.
    static std::optional<MenuItem> itemForCommand(int commandId);

    bool isChecked(MenuItem item) const;
    // Each setter stores the value and answers whether it differed from the stored one.
    bool setChecked(MenuItem item, bool checked);
    bool setVisible(MenuItem item, bool visible);
    bool setCaption(MenuItem item, const Text& caption);

  private:
    struct ItemState {
        Text caption;
        bool checked;
        bool visible;
    };

    void appendItems(HMENU menu, int first, int level) const;
    void appendItem(HMENU menu, int index, int subtreeEnd) const;
    Text label(int index) const;

    std::vector<ItemState> items_;
};
