// Menus: what is enabled before a menu opens, and where a chosen item goes.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

#include "Application.h"
#include "Layout.h"
#include "TestSupport.h"

namespace {

std::string calls;  // the handlers that ran, in order

Ref<MenuItem> Item(const std::string& name, const std::vector<Ref<MenuItem>>& items = {}) {
  Ref<MenuItem> item = New<MenuItem>();
  item->SetName(name), item->SetText(name);
  for (const Ref<MenuItem>& i : items) item->Append(i);
  return item;
}

// The application enables Open, Close and Copy, and answers Open and Copy.
class TestApp : public Application {
public:
  void Event_EnableMenuItems() override {
    for (const char* name : {"FileOpen", "FileClose", "EditCopy"}) MenuBar()->Lookup(name)->Enable();
  }
  bool FileOpen() { calls += "app FileOpen, "; return true; }
  bool EditCopy() { calls += "app EditCopy, "; return true; }
};

// A window with a text field; it answers Close and Copy, passing Copy on.
class DocWindow : public Window {
public:
  std::string ClassName() const override { return "DocWindow.DocWindow"; }
  void CreateControls() override {
    CreateControlsFromTable(RefTo<Window>(this),
                            {{Make<EditField>(), "Field", kNoIndex, PropertyStream().Int32("Width", 90), {}, {}}});
  }
  void AddMenuHandlers(const Ref<Window>&) override {
    AddMenuHandler("FileClose", RuntimeCreateDelegate(RefTo(this), &DocWindow::FileClose, "(  ) as Boolean"));
    AddMenuHandler("EditCopy", RuntimeCreateDelegate(RefTo(this), &DocWindow::EditCopy, "(  ) as Boolean"));
  }
  bool FileClose() { calls += "window FileClose, "; return true; }
  bool EditCopy() { calls += "window EditCopy, "; return false; }
};

using MenuTest = test::WindowTest;

// Copy is AutoEnable, Paste not. The field could paste but not copy: Copy stays as
// the program enabled it, and the field copies nothing while a handler takes it.
TEST_F(MenuTest, OnlyWhatTheProgramEnablesIsShownAndChosenAndItGoesToTheFrontWindowFirst) {
  calls.clear();
  Ref<MenuBar> bar = New<MenuBar>();
  bar->Append(Item("File", {Item("FileOpen"), Item("FileClose")}));
  bar->Append(Item("Edit", {Item("EditCopy"), Item("EditPaste")}));
  bar->Lookup("EditCopy")->SetAutoEnable(true);
  Ref<TestApp> app = New<TestApp>();
  app->SetMenuBar(bar);
  app->AddMenuHandler("FileOpen", RuntimeCreateDelegate(app, &TestApp::FileOpen, "(  ) as Boolean"));
  app->AddMenuHandler("EditCopy", RuntimeCreateDelegate(app, &TestApp::EditCopy, "(  ) as Boolean"));
  RuntimeRegisterAppObject(app);
  Ref<DocWindow> doc = New<DocWindow>();
  doc->Constructor();
  auto enabled = [&] {
    UpdateMenuItems();
    std::string on;
    for (const std::string name : {"FileOpen", "FileClose", "EditCopy", "EditPaste"}) {
      if (bar->Lookup(name)->Enabled()) on += name + " ";
    }
    return on;
  };
  auto action = [&](const char* name) { return doc->widget()->findChild<QAction*>(QString::fromLatin1(name)); };
  QGuiApplication::clipboard()->setText("clip");
  Ref<EditField> field = ControlNamed<EditField>(doc, "Field");
  test::TypeInto(field, "abc");
  EXPECT_EQ(enabled(), "FileOpen FileClose EditCopy ");
  QMenu* edit = doc->widget()->findChild<QMenuBar*>()->actions().at(1)->menu();
  edit->popup(QPoint());
  EXPECT_TRUE(edit->isVisible() && action("EditCopy")->isEnabled() && !action("EditPaste")->isEnabled());
  edit->close();
  static_cast<QLineEdit*>(field->widget())->selectAll();
  for (const char* item : {"FileClose", "EditCopy", "FileOpen"}) EXPECT_TRUE(ChooseMenuItem(item)) << item;
  EXPECT_FALSE(ChooseMenuItem("EditPaste") || ChooseMenuItem("NoSuchItem"));
  action("EditCopy")->trigger();  // from the window's own menu bar
  EXPECT_EQ(calls, "window FileClose, window EditCopy, app EditCopy, app FileOpen, window EditCopy, app EditCopy, ");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "clip");
  test::CloseAllWindows();
  RuntimeRegisterAppObject(nullptr);
}

}  // namespace
