#include "framework/MenuItem.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "framework/Runtime.h"
#include "framework/Window.h"

namespace fw {
namespace {

QString ActionText(const MenuItem& item) {
  QString text = QString::fromStdString(item.Text());
  text.replace(QLatin1Char('&'), QLatin1String("&&"));
  const QKeySequence keys = item.Shortcut();
  if (!keys.isEmpty()) text += QLatin1Char('\t') + keys.toString(QKeySequence::NativeText);
  return text;
}

bool IsTopLevelMenu(const MenuItem& item) {
  return item.Parent() != nullptr && item.Parent()->Kind() == MenuItem::ItemKind::Bar;
}

}  // namespace

MenuItem::MenuItem() = default;

MenuItem::~MenuItem() = default;

void MenuItem::SetText(const std::string& text) {
  text_ = text;
  SyncActions();
}

void MenuItem::SetKeyboardShortcut(const std::string& shortcut) {
  shortcut_ = shortcut;
  SyncActions();
}

QKeySequence MenuItem::Shortcut() const {
  static const std::string kCommand = "Cmd+";
  if (shortcut_.size() <= kCommand.size() || shortcut_.compare(0, kCommand.size(), kCommand) != 0) {
    return {};
  }
  return QKeySequence(QStringLiteral("Ctrl+") + QString::fromStdString(shortcut_.substr(kCommand.size())));
}

void MenuItem::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  SyncActions();
}

void MenuItem::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  SyncActions();
}

bool MenuItem::IsActive() const {
  for (const MenuItem* item = this; item != nullptr && item->Kind() != ItemKind::Bar; item = item->parent_) {
    if (!IsTopLevelMenu(*item) && !item->enabled_) return false;
  }
  return true;
}

void MenuItem::Append(const MenuItemPtr& child) {
  if (!child) return;
  child->parent_ = this;
  children_.push_back(child);
}

MenuItemPtr MenuItem::Child(const std::string& name) const {
  for (const MenuItemPtr& child : children_) {
    if (child->name_ == name) return child;
  }
  return nullptr;
}

MenuItemPtr MenuItem::Item(int position) const {
  if (position < 0 || position >= Count()) return nullptr;
  return children_[static_cast<std::size_t>(position)];
}

MenuItemPtr MenuItem::Lookup(const std::string& name) const {
  for (const MenuItemPtr& child : children_) {
    if (child->name_ == name) return child;
    if (MenuItemPtr found = child->Lookup(name)) return found;
  }
  return nullptr;
}

MenuItemPtr MenuItem::Lookup(const std::string& name, int index) const {
  for (const MenuItemPtr& child : children_) {
    if (child->name_ == name && child->index_ == index) return child;
    if (MenuItemPtr found = child->Lookup(name, index)) return found;
  }
  return nullptr;
}

MenuItemPtr MenuItem::FindByShortcut(const QKeySequence& keys) const {
  for (const MenuItemPtr& child : children_) {
    if (child->children_.empty() && !child->IsSeparator() && !child->Shortcut().isEmpty() &&
        child->Shortcut().matches(keys) == QKeySequence::ExactMatch) {
      return child;
    }
    if (MenuItemPtr found = child->FindByShortcut(keys)) return found;
  }
  return nullptr;
}

void MenuItem::ApplyAutoEnable() {
  for (const MenuItemPtr& child : children_) {
    child->SetEnabled(Kind() == ItemKind::Bar ? true : child->autoEnable_);
    child->ApplyAutoEnable();
  }
}

QAction* MenuItem::MakeAction(Window* owner, QWidget* parent) {
  QAction* action = nullptr;
  if (!children_.empty()) {
    auto* menu = new QMenu(QString::fromStdString(text_), parent);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [owner] {
      if (!InProgramHandler()) owner->UpdateMenus();
    });
    for (const MenuItemPtr& child : children_) {
      if (child->IsSeparator()) {
        QAction* separator = menu->addSeparator();
        child->actions_.emplace_back(separator);
      } else {
        menu->addAction(child->MakeAction(owner, menu));
      }
    }
    action = menu->menuAction();
  } else {
    action = new QAction(parent);
    std::weak_ptr<MenuItem> weak = weak_from_this();
    QObject::connect(action, &QAction::triggered, action, [owner, weak] {
      // Judged by the menus as they stand now, not as they stood when the
      // menu opened.
      if (MenuItemPtr item = weak.lock()) owner->ChooseMenuItemAsUser(item);
    });
  }
  actions_.emplace_back(action);
  SyncActions();
  return action;
}

void MenuItem::SyncActions() {
  for (const QPointer<QAction>& action : actions_) {
    if (!action) continue;
    if (IsSeparator()) continue;
    if (children_.empty()) {
      action->setText(ActionText(*this));
    } else {
      action->setText(QString::fromStdString(text_));
    }
    action->setEnabled(enabled_ || IsTopLevelMenu(*this));
    action->setCheckable(checked_);
    action->setChecked(checked_);
  }
}

QMenuBar* MenuBar::CreateQMenuBar(Window* owner) {
  auto* bar = new QMenuBar;
  bar->setNativeMenuBar(false);
  for (int i = 0; i < Count(); ++i) {
    MenuItemPtr menu = Item(i);
    bar->addAction(menu->MakeAction(owner, bar));
  }
  return bar;
}

}  // namespace fw
