#include "Dialogs.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "QtSupport.h"
#include "TextNumber.h"
#include "Window.h"
#include "WindowPeer.h"

void MsgBox(const std::string& message) {
  const QuitHold hold;
  Ref<Window> front = FrontWindow();
  QMessageBox box(front != nullptr ? front->widget() : nullptr);
  box.setText(LinesToQ(message));
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

void ShowURL(const std::string& url) {
  const QuitHold hold;
  if (QDesktopServices::openUrl(QUrl(ToQ(url)))) return;
  MsgBox("Your web browser could not be opened. The page is at:" + Chr(13) + Chr(13) + url);
}
