#pragma once

#include <QKeySequence>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace fw {

class MenuItem;
class Window;
using MenuItemPtr = std::shared_ptr<MenuItem>;

// One item of a menu tree. An item with children is a menu (or submenu); an
// item whose Text is "-" is a separator line.
class MenuItem : public std::enable_shared_from_this<MenuItem> {
 public:
  enum class ItemKind { Normal, Quit, Apple, Bar };

  MenuItem();
  virtual ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  virtual ItemKind Kind() const { return ItemKind::Normal; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  // "Cmd+" and one key: the command key (Control on this platform) with the
  // key. Empty for none.
  const std::string& KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(const std::string& shortcut);
  // The shortcut as Qt reads it (empty for none).
  QKeySequence Shortcut() const;
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
  // The index in a menu-item array; -1 when the item belongs to none.
  int Index() const { return index_; }
  void SetIndex(int index) { index_ = index; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool IsSeparator() const { return text_ == "-"; }
  // Enabled, and so are all the menus it lies in.
  bool IsActive() const;

  // Adds child as the last item.
  void Append(const MenuItemPtr& child);
  // The direct child with that Name, or nil.
  MenuItemPtr Child(const std::string& name) const;
  int Count() const { return static_cast<int>(children_.size()); }
  MenuItemPtr Item(int position) const;
  MenuItem* Parent() const { return parent_; }
  // The first item with that Name (and Index) anywhere below this one,
  // submenus included; nil when there is none.
  MenuItemPtr Lookup(const std::string& name) const;
  MenuItemPtr Lookup(const std::string& name, int index) const;
  // The first item below this one whose shortcut is the given key sequence.
  MenuItemPtr FindByShortcut(const QKeySequence& keys) const;
  // Enables every AutoEnable item below this one and disables the rest; the
  // menus of the menu bar itself stay enabled.
  void ApplyAutoEnable();

  // The Qt actions and menus that show this item.
  const std::vector<QPointer<QAction>>& Actions() const { return actions_; }

 protected:
  friend class MenuBar;
  QAction* MakeAction(Window* owner, QWidget* parent);
  void SyncActions();

 private:
  std::string name_;
  std::string text_;
  std::string shortcut_;
  bool autoEnable_ = false;
  int index_ = -1;
  bool enabled_ = true;
  bool checked_ = false;
  MenuItem* parent_ = nullptr;
  std::vector<MenuItemPtr> children_;
  std::vector<QPointer<QAction>> actions_;
};

// The item that quits the program; no handler is bound to it.
class QuitMenuItem : public MenuItem {
 public:
  ItemKind Kind() const override { return ItemKind::Quit; }
};

// An item that belongs in the application menu. This platform has none, so
// it stays where it was appended.
class AppleMenuItem : public MenuItem {
 public:
  ItemKind Kind() const override { return ItemKind::Apple; }
};

// The root of a menu tree: its children are the menus of the bar.
class MenuBar : public MenuItem {
 public:
  ItemKind Kind() const override { return ItemKind::Bar; }
  // Builds the Qt menu bar that shows this tree in a window; choosing an
  // item there calls that window's handler.
  QMenuBar* CreateQMenuBar(Window* owner);
};

}  // namespace fw
