// The application's menus: enabling before a menu opens, where a chosen item
// goes, and quitting the event loop.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

#include "Application.h"
#include "Layout.h"
#include "TestSupport.h"

namespace {

std::vector<std::string> calls;

template <class M>
Ref<M> Item(const std::string& name, const std::string& text, const std::string& shortcut = "") {
  Ref<M> item = New<M>();
  item->Constructor();
  item->SetName(name);
  item->SetText(text);
  item->SetKeyboardShortcut(shortcut);
  return item;
}

Ref<MenuBar> TestMenuBar() {
  Ref<MenuBar> bar = Item<MenuBar>("MenuBar1", "");
  Ref<MenuItem> file = Item<MenuItem>("FileMenu", "File");
  file->Append(Item<MenuItem>("FileOpen", "Open", "Cmd+O"));
  file->Append(Item<MenuItem>("FileClose", "Close", "Cmd+W"));
  file->Append(Item<MenuItem>("FileSep", "-"));
  file->Append(Item<QuitMenuItem>("FileQuit", "Quit", "Cmd+Q"));
  Ref<MenuItem> edit = Item<MenuItem>("EditMenu", "Edit");
  edit->Append(Item<MenuItem>("EditCopy", "Copy", "Cmd+C"));
  edit->Append(Item<MenuItem>("EditPaste", "Paste", "Cmd+V"));
  Ref<MenuItem> help = Item<MenuItem>("HelpMenu", "Help");
  help->Append(Item<AppleMenuItem>("HelpAbout", "About"));
  bar->Append(file);
  bar->Append(edit);
  bar->Append(help);
  return bar;
}

class TestApp : public Application {
public:
  void Event_Open() override {
    calls.push_back("app Open");
    if (quitOnOpen) QTimer::singleShot(0, [] { ChooseMenuItem("FileQuit"); });
  }
  void Event_EnableMenuItems() override {
    MenuBar()->Lookup("FileOpen")->Enable();
    MenuBar()->Lookup("HelpAbout")->Enable();
  }
  bool FileOpen() { return Log("app FileOpen", true); }
  bool EditCopy() { return Log("app EditCopy", true); }
  bool FileQuit() { return Log("app FileQuit", false); }
  static bool Log(const std::string& call, bool result) {
    calls.push_back(call);
    return result;
  }
  bool quitOnOpen = false;
};

// A document window with a text field: it enables Close and Copy and answers
// them, passing Copy on.
class DocWindow : public Window {
public:
  std::string ClassName() const override { return "DocWindow.DocWindow"; }
  void Layout() override { SetProperties(RefTo(this), PropertyStream().Int32("Width", 300).Int32("Height", 200)); }
  void CreateControls() override {
    CreateControlsFromTable(RefTo<Window>(this),
                            {{Make<EditField>(), "Field", kNoIndex, PropertyStream().Int32("Width", 100), {}, {}}});
  }
  void AddMenuHandlers(const Ref<Window>&) override {
    Ref<DocWindow> self = RefTo(this);
    AddMenuHandler("FileClose", RuntimeCreateDelegate(self, &DocWindow::FileClose, "(  ) as Boolean"));
    AddMenuHandler("EditCopy", RuntimeCreateDelegate(self, &DocWindow::EditCopy, "(  ) as Boolean"));
  }
  void Event_EnableMenuItems() override {
    Ref<MenuBar> bar = GetAppObject()->MenuBar();
    bar->Lookup("FileClose")->Enable();
    bar->Lookup("EditCopy")->Enable();
  }
  bool FileClose() { return TestApp::Log("window FileClose", true); }
  bool EditCopy() { return TestApp::Log("window EditCopy", false); }
};

// A window that enables nothing.
class PlainWindow : public Window {
public:
  std::string ClassName() const override { return "PlainWindow.PlainWindow"; }
};

class MenuTest : public test::WindowTest {
protected:
  void SetUp() override {
    calls.clear();
    app = New<TestApp>();
    app->SetMenuBar(TestMenuBar());
    app->AddMenuHandler("FileOpen", RuntimeCreateDelegate(app, &TestApp::FileOpen, "(  ) as Boolean"));
    app->AddMenuHandler("EditCopy", RuntimeCreateDelegate(app, &TestApp::EditCopy, "(  ) as Boolean"));
    app->AddMenuHandler("FileQuit", RuntimeCreateDelegate(app, &TestApp::FileQuit, "(  ) as Boolean"));
    RuntimeRegisterAppObject(app);
  }
  void TearDown() override {
    test::CloseAllWindows();
    RuntimeRegisterAppObject(nullptr);
    test::WindowTest::TearDown();
  }
  bool Enabled(const std::string& name) { return app->MenuBar()->Lookup(name)->Enabled(); }

  Ref<TestApp> app;
};

QAction* ActionNamed(const Ref<Window>& w, const char* name) {
  return w->widget()->findChild<QAction*>(QString::fromLatin1(name));
}

TEST_F(MenuTest, OnlyWhatTheApplicationAndTheFrontWindowEnableIsEnabled) {
  Ref<DocWindow> doc = New<DocWindow>();
  doc->Constructor();
  UpdateMenuItems();
  for (const char* on : {"FileOpen", "HelpAbout", "FileClose", "EditCopy", "FileQuit"}) EXPECT_TRUE(Enabled(on)) << on;
  EXPECT_FALSE(Enabled("EditPaste"));

  // Only the front window is asked.
  Ref<PlainWindow> plain = New<PlainWindow>();
  plain->Constructor();
  ASSERT_EQ(FrontWindow(), plain);
  UpdateMenuItems();
  for (const char* on : {"FileOpen", "HelpAbout", "FileQuit"}) EXPECT_TRUE(Enabled(on)) << on;
  for (const char* off : {"FileClose", "EditCopy", "EditPaste"}) EXPECT_FALSE(Enabled(off)) << off;
}

TEST_F(MenuTest, AnOpeningMenuShowsTheEnabledState) {
  Ref<DocWindow> doc = New<DocWindow>();
  doc->Constructor();
  QMenuBar* bar = doc->widget()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  // The menu bar comes on top of the content area's size.
  EXPECT_EQ(doc->Width(), 300);
  EXPECT_EQ(doc->Height(), 200);
  EXPECT_EQ(doc->content()->y(), bar->height());
  QMenu* edit = nullptr;
  for (QMenu* m : bar->findChildren<QMenu*>()) {
    if (m->menuAction()->objectName() == QLatin1String("EditMenu")) edit = m;
  }
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->title(), QString("Edit"));

  edit->popup(doc->widget()->mapToGlobal(QPoint(0, 0)));
  ASSERT_TRUE(edit->isVisible());
  EXPECT_TRUE(ActionNamed(doc, "EditCopy")->isEnabled());
  EXPECT_FALSE(ActionNamed(doc, "EditPaste")->isEnabled());
  EXPECT_TRUE(ActionNamed(doc, "FileQuit")->isEnabled());
  edit->close();
  test::ProcessPending();

  EXPECT_EQ(ActionNamed(doc, "FileQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_EQ(ActionNamed(doc, "FileOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(ActionNamed(doc, "HelpAbout")->text(), QString("About"));
}

TEST_F(MenuTest, AChosenItemGoesToTheFrontWindowThenToTheApplication) {
  Ref<DocWindow> doc = New<DocWindow>();
  doc->Constructor();
  EXPECT_TRUE(ChooseMenuItem("FileClose"));
  EXPECT_TRUE(ChooseMenuItem("EditCopy"));
  EXPECT_TRUE(ChooseMenuItem("FileOpen"));
  EXPECT_EQ(calls, (std::vector<std::string>{"window FileClose", "window EditCopy", "app EditCopy", "app FileOpen"}));

  calls.clear();
  EXPECT_FALSE(ChooseMenuItem("EditPaste"));  // nobody enables it
  EXPECT_FALSE(ChooseMenuItem("NoSuchItem"));
  EXPECT_TRUE(calls.empty());

  // The window's own menu bar carries out the same commands.
  ActionNamed(doc, "EditCopy")->trigger();
  ActionNamed(doc, "FileClose")->trigger();
  EXPECT_EQ(calls, (std::vector<std::string>{"window EditCopy", "app EditCopy", "window FileClose"}));

  // Behind another window, the document window's handlers are not asked.
  calls.clear();
  Ref<PlainWindow> plain = New<PlainWindow>();
  plain->Constructor();
  EXPECT_FALSE(ChooseMenuItem("EditCopy"));
  EXPECT_TRUE(calls.empty());
}

TEST_F(MenuTest, TextCommandsComeAfterTheProgramsOwnEnablingAndHandlers) {
  app->MenuBar()->Lookup("EditCopy")->SetAutoEnable(true);
  QGuiApplication::clipboard()->setText("clip");
  Ref<DocWindow> doc = New<DocWindow>();
  doc->Constructor();
  Ref<EditField> field = ControlNamed<EditField>(doc, "Field");
  test::TypeInto(field, "abc");
  // Copy stays enabled with nothing selected; Paste, not AutoEnable, stays off.
  UpdateMenuItems();
  EXPECT_TRUE(Enabled("EditCopy"));
  EXPECT_FALSE(Enabled("EditPaste"));

  // The application's handler takes Copy: the field's selection is not copied.
  static_cast<QLineEdit*>(field->widget())->selectAll();
  ASSERT_TRUE(ChooseMenuItem("EditCopy"));
  EXPECT_EQ(calls, (std::vector<std::string>{"window EditCopy", "app EditCopy"}));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "clip");
}

TEST_F(MenuTest, QuitEndsTheRunningEventLoop) {
  app->quitOnOpen = true;
  EXPECT_TRUE(test::RunEventLoop());
  EXPECT_EQ(calls, (std::vector<std::string>{"app Open", "app FileQuit"}));

  // Asked for before the loop runs, Quit ends the next run as it starts.
  calls.clear();
  app->quitOnOpen = false;
  Quit();
  EXPECT_TRUE(test::RunEventLoop());
  EXPECT_TRUE(calls.empty());
}

}  // namespace
