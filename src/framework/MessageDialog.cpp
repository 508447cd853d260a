#include "framework/MessageDialog.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>

#include "framework/Runtime.h"

namespace fw {
namespace {

std::function<int(const DialogRequest&)>& TestHandler() {
  static std::function<int(const DialogRequest&)> handler;
  return handler;
}

QMessageBox::Icon ToQtIcon(int icon) {
  switch (icon) {
    case 0:
      return QMessageBox::Information;
    case 1:
      return QMessageBox::Warning;
    case 2:
      return QMessageBox::Critical;
    case 3:
      return QMessageBox::Question;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

MessageDialog::MessageDialog() = default;

MessageDialogButton* MessageDialog::ShowModal() {
  MessageDialogButton* buttons[3] = {&ActionButton, &AlternateActionButton, &CancelButton};
  if (TestHandler()) {
    DialogRequest request;
    request.Message = Message;
    request.Explanation = Explanation;
    request.Icon = Icon;
    for (MessageDialogButton* button : buttons) {
      if (button->Visible) request.VisibleButtons.push_back(button->Caption);
    }
    const int answer = TestHandler()(request);
    return buttons[answer >= 0 && answer < 3 ? answer : 2];
  }
  QMessageBox box;
  box.setIcon(ToQtIcon(Icon));
  box.setWindowTitle(QString::fromStdString(Title));
  box.setText(QString::fromStdString(Message));
  if (!Explanation.empty()) box.setInformativeText(QString::fromStdString(Explanation));
  QPushButton* qtButtons[3] = {nullptr, nullptr, nullptr};
  const QMessageBox::ButtonRole roles[3] = {QMessageBox::AcceptRole, QMessageBox::DestructiveRole,
                                            QMessageBox::RejectRole};
  for (int i = 0; i < 3; ++i) {
    if (buttons[i]->Visible) {
      qtButtons[i] = box.addButton(QString::fromStdString(buttons[i]->Caption), roles[i]);
    }
  }
  if (qtButtons[0] != nullptr) box.setDefaultButton(qtButtons[0]);
  if (qtButtons[2] != nullptr) box.setEscapeButton(qtButtons[2]);
  {
    ModalScope modal(&box);
    box.exec();
  }
  for (int i = 0; i < 3; ++i) {
    if (qtButtons[i] != nullptr && box.clickedButton() == qtButtons[i]) return buttons[i];
  }
  return &CancelButton;
}

void MsgBox(const std::string& message) {
  if (TestHandler()) {
    DialogRequest request;
    request.Message = message;
    request.VisibleButtons = {"OK"};
    request.IsMsgBox = true;
    TestHandler()(request);
    return;
  }
  QMessageBox box;
  box.setIcon(QMessageBox::NoIcon);
  box.setText(QString::fromStdString(message));
  box.addButton(QMessageBox::Ok);
  ModalScope modal(&box);
  box.exec();
}

void SetDialogHandlerForTesting(std::function<int(const DialogRequest&)> handler) {
  TestHandler() = std::move(handler);
}

}  // namespace fw
