#pragma once

#include <functional>
#include <string>
#include <vector>

namespace fw {

struct MessageDialogButton {
  std::string Caption;
  bool Visible = true;
};

// A modal question with up to three buttons.
class MessageDialog {
 public:
  MessageDialog();

  // 0 note, 1 caution, 2 stop, 3 question; -1 none.
  int Icon = 0;
  std::string Title;
  std::string Message;
  std::string Explanation;
  MessageDialogButton ActionButton{"OK", true};
  MessageDialogButton AlternateActionButton{"Don't Save", false};
  MessageDialogButton CancelButton{"Cancel", false};

  // Shows the dialog and waits; returns the button pressed (the cancel
  // button when the dialog is closed some other way).
  MessageDialogButton* ShowModal();
};

// Shows a message with an OK button and waits for it.
void MsgBox(const std::string& message);

// For tests: what a message box or dialog asked, and an answer without a
// person. The handler of dialogs returns 0 for the action button, 1 for the
// alternate and 2 for the cancel button.
struct DialogRequest {
  std::string Message;
  std::string Explanation;
  int Icon = 0;
  std::vector<std::string> VisibleButtons;  // captions, in action, alternate, cancel order
  bool IsMsgBox = false;
};
void SetDialogHandlerForTesting(std::function<int(const DialogRequest&)> handler);

}  // namespace fw
