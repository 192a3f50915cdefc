// The menu bar: its menus and items as laid out, the item accessors, what is
// enabled with which window in front, the Edit commands on the focused text
// field, and the Simulation commands.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <set>

#include "ProgramTest.h"
#include "WindowAbout.h"
#include "WindowDiverge.h"
#include "WindowResetDrift.h"
#include "WindowSplash.h"
#include "WindowTree.h"

namespace {

using MenuBarTest = test::ProgramTest;

enum class Kind { Plain, Quit, Apple };

struct Expected {
  const char* name;
  const char* text;
  const char* shortcut;
  Kind kind;
};

struct ExpectedMenu {
  const char* name;
  const char* text;
  std::vector<Expected> items;
};

const std::vector<ExpectedMenu>& ExpectedBar() {
  static const std::vector<ExpectedMenu> menus = {
      {"UntitledMenu3", "File",
       {{"FileReset", "Reset...", "", Kind::Plain}, {"FileQuit", "Quit", "Cmd+Q", Kind::Quit}}},
      {"UntitledMenu1", "Edit",
       {{"EditUndo", "Undo", "Cmd+Z", Kind::Plain},
        {"UntitledMenu2", "-", "", Kind::Plain},
        {"EditCut", "Cut", "Cmd+X", Kind::Plain},
        {"EditCopy", "Copy", "Cmd+C", Kind::Plain},
        {"EditPaste", "Paste", "Cmd+V", Kind::Plain},
        {"EditClear", "Clear", "", Kind::Plain}}},
      {"UntitledMenu0", "Simulation",
       {{"SimulationDivergence", "Divergence", "", Kind::Plain},
        {"SimulationTree", "Tree", "", Kind::Plain},
        {"AppleAboutMyApplication", "About Trevalin...", "", Kind::Apple}}},
  };
  return menus;
}

Kind KindOf(const Ref<MenuItem>& item) {
  if (Cast<QuitMenuItem>(item) != nullptr) return Kind::Quit;
  if (Cast<AppleMenuItem>(item) != nullptr) return Kind::Apple;
  return Kind::Plain;
}

// The names of the enabled commands after the menus are brought up to date.
std::set<std::string> EnabledAfterUpdate() {
  UpdateMenuItems();
  std::set<std::string> enabled;
  Ref<MenuBar> bar = App()->MenuBar();
  for (int32_t m = 0; m < bar->Count(); ++m) {
    for (int32_t i = 0; i < bar->Item(m)->Count(); ++i) {
      if (bar->Item(m)->Item(i)->Enabled()) enabled.insert(bar->Item(m)->Item(i)->Name());
    }
  }
  return enabled;
}

const std::set<std::string> kApplicationCommands = {"AppleAboutMyApplication", "SimulationDivergence",
                                                    "SimulationTree", "FileQuit"};

QAction* ActionOf(const Ref<Window>& w, const char* name) {
  return w->widget()->findChild<QAction*>(QString::fromLatin1(name));
}

QLineEdit* Line(const Ref<EditField>& field) { return static_cast<QLineEdit*>(field->widget()); }

// The virions of a population, by identity.
std::vector<aniTron*> Virions(const Ref<driftCan>& population) {
  std::vector<aniTron*> virions;
  for (int32_t i = 1; i <= population->AniTrons.UBound(); ++i) virions.push_back(population->AniTrons(i).get());
  return virions;
}

TEST_F(MenuBarTest, TheBarHoldsFileEditAndSimulationAsLaidOut) {
  Ref<MenuBar> bar = App()->MenuBar();
  ASSERT_EQ(bar, Ref<MenuBar>(Menu()));
  ASSERT_EQ(bar->Count(), 3);
  for (int32_t m = 0; m < 3; ++m) {
    const ExpectedMenu& want = ExpectedBar()[static_cast<size_t>(m)];
    Ref<MenuItem> menu = bar->Item(m);
    EXPECT_EQ(menu->Name(), want.name);
    EXPECT_EQ(menu->Text(), want.text);
    EXPECT_EQ(menu->KeyboardShortcut(), "");
    EXPECT_TRUE(menu->AutoEnable()) << want.name;
    EXPECT_EQ(KindOf(menu), Kind::Plain) << want.name;
    ASSERT_EQ(menu->Count(), static_cast<int32_t>(want.items.size())) << want.name;
    for (int32_t i = 0; i < menu->Count(); ++i) {
      const Expected& w = want.items[static_cast<size_t>(i)];
      Ref<MenuItem> item = menu->Item(i);
      EXPECT_EQ(item->Name(), w.name);
      EXPECT_EQ(item->Text(), w.text) << w.name;
      EXPECT_EQ(item->KeyboardShortcut(), w.shortcut) << w.name;
      EXPECT_EQ(KindOf(item), w.kind) << w.name;
      EXPECT_TRUE(item->AutoEnable()) << w.name;
      EXPECT_EQ(item->Count(), 0) << w.name;
    }
  }
}

TEST_F(MenuBarTest, TheMainWindowsShowTheBarWithItsShortcuts) {
  for (const Ref<Window>& w : {Ref<Window>(WindowDiverge()), Ref<Window>(WindowTree())}) {
    QMenuBar* qbar = w->widget()->findChild<QMenuBar*>();
    ASSERT_NE(qbar, nullptr);
    const QList<QAction*> menus = qbar->actions();
    ASSERT_EQ(menus.size(), 3);
    for (size_t m = 0; m < 3; ++m) {
      const ExpectedMenu& want = ExpectedBar()[m];
      QMenu* menu = menus[static_cast<qsizetype>(m)]->menu();
      ASSERT_NE(menu, nullptr);
      EXPECT_EQ(menu->title().toStdString(), want.text);
      const QList<QAction*> items = menu->actions();
      ASSERT_EQ(items.size(), static_cast<qsizetype>(want.items.size()));
      for (size_t i = 0; i < want.items.size(); ++i) {
        QAction* a = items[static_cast<qsizetype>(i)];
        const Expected& e = want.items[i];
        EXPECT_EQ(a->objectName().toStdString(), e.name);
        EXPECT_EQ(a->isSeparator(), std::string(e.text) == "-") << e.name;
        if (!a->isSeparator()) {
          EXPECT_EQ(a->text().toStdString(), e.text) << e.name;
        }
      }
    }
    // "Cmd+" is Ctrl here; the items without a shortcut have none.
    for (const ExpectedMenu& menu : ExpectedBar()) {
      for (const Expected& e : menu.items) {
        QString want = QString::fromLatin1(e.shortcut);
        want.replace(QLatin1String("Cmd+"), QLatin1String("Ctrl+"));
        EXPECT_EQ(ActionOf(w, e.name)->shortcut(), QKeySequence(want)) << e.name;
      }
    }
    EXPECT_EQ(ActionOf(w, "FileQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  }
}

TEST_F(MenuBarTest, TheItemAccessorsLookTheItemUpOnTheInstalledBarAtEveryCall) {
  Ref<MenuBar> bar = App()->MenuBar();
  EXPECT_EQ(AppleAboutMyApplication(), bar->Item(2)->Item(2));
  EXPECT_EQ(AppleAboutMyApplication(), AppleAboutMyApplication());
  EXPECT_EQ(SimulationDivergence(), bar->Item(2)->Item(0));
  EXPECT_EQ(SimulationTree(), bar->Item(2)->Item(1));
  EXPECT_EQ(FileReset(), bar->Item(0)->Item(0));
  EXPECT_EQ(FileReset(), FileReset());

  // Another bar installed: the accessors answer from it, nil where it has no
  // item of their name.
  Ref<MenuBar> other = New<MenuBar>();
  Ref<MenuItem> menu = New<MenuItem>();
  Ref<MenuItem> reset = New<MenuItem>();
  reset->SetName("FileReset");
  menu->Append(reset);
  other->Append(menu);
  App()->SetMenuBar(other);
  EXPECT_EQ(FileReset(), reset);
  EXPECT_EQ(SimulationTree(), nullptr);
  EXPECT_EQ(SimulationDivergence(), nullptr);
  EXPECT_EQ(AppleAboutMyApplication(), nullptr);
  App()->SetMenuBar(bar);
  EXPECT_EQ(FileReset(), bar->Item(0)->Item(0));

  // The application object, too, is asked for anew.
  Ref<class App> first = App();
  Ref<class App> second = New<class App>();
  RuntimeRegisterAppObject(second);
  EXPECT_EQ(App(), second);
  EXPECT_THROW(FileReset(), NilObjectException);  // the new object has no bar
  RuntimeRegisterAppObject(nullptr);
  EXPECT_EQ(App(), nullptr);
  EXPECT_THROW(SimulationTree(), NilObjectException);
  RuntimeRegisterAppObject(first);
  EXPECT_EQ(SimulationTree(), bar->Item(2)->Item(1));
}

TEST_F(MenuBarTest, OnlyTheApplicationsCommandsAreEnabledUnlessASimulationWindowIsInFront) {
  EXPECT_EQ(EnabledAfterUpdate(), kApplicationCommands);

  // The splash in front of the Divergence window.
  App()->Event_Open();
  ASSERT_EQ(FrontWindow(), Ref<Window>(WindowSplash()));
  EXPECT_EQ(EnabledAfterUpdate(), kApplicationCommands);

  ASSERT_TRUE(ChooseMenuItem("SimulationDivergence"));
  ASSERT_EQ(FrontWindow(), Ref<Window>(WindowDiverge()));
  std::set<std::string> withReset = kApplicationCommands;
  withReset.insert("FileReset");
  EXPECT_EQ(EnabledAfterUpdate(), withReset);

  ASSERT_TRUE(ChooseMenuItem("AppleAboutMyApplication"));
  ASSERT_EQ(FrontWindow(), Ref<Window>(WindowAbout()));
  EXPECT_EQ(EnabledAfterUpdate(), kApplicationCommands);
}

TEST_F(MenuBarTest, TheEditCommandsWorkOnTheFocusedTextField) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  App()->Event_Open();
  ASSERT_TRUE(ChooseMenuItem("SimulationDivergence"));
  Ref<EditField> fastFwd = WindowDiverge()->Named<EditField>("EditFieldFastFwd");
  test::TypeInto(fastFwd, "25");
  Line(fastFwd)->selectAll();
  std::set<std::string> enabled = kApplicationCommands;
  enabled.insert({"FileReset", "EditUndo", "EditCut", "EditCopy", "EditClear"});
  EXPECT_EQ(EnabledAfterUpdate(), enabled);  // nothing to paste yet
  ActionOf(WindowDiverge(), "EditCopy")->trigger();
  EXPECT_EQ(clipboard->text(), "25");

  ASSERT_TRUE(ChooseMenuItem("FileReset"));
  Ref<EditField> popSize = WindowResetDrift()->Named<EditField>("EditFieldPopSize");
  test::Click(WindowResetDrift(), popSize->Left() + 5, popSize->Top() + 5);
  Line(popSize)->selectAll();
  std::set<std::string> inDialog = kApplicationCommands;
  inDialog.insert({"EditCut", "EditCopy", "EditPaste", "EditClear"});  // nothing to undo yet
  EXPECT_EQ(EnabledAfterUpdate(), inDialog);
  ASSERT_TRUE(ChooseMenuItem("EditPaste"));
  EXPECT_EQ(popSize->Text(), "25");
  // Clear deletes the selection, Cut moves it to the clipboard, Undo takes back the last edit.
  Line(popSize)->setSelection(0, 1);
  ASSERT_TRUE(ChooseMenuItem("EditClear"));
  EXPECT_EQ(popSize->Text(), "5");
  EXPECT_EQ(clipboard->text(), "25");
  QTest::keyClicks(Line(popSize), "0");
  Line(popSize)->setSelection(1, 1);
  ASSERT_TRUE(ChooseMenuItem("EditCut"));
  EXPECT_EQ(popSize->Text(), "0");
  EXPECT_EQ(clipboard->text(), "5");
  ASSERT_TRUE(ChooseMenuItem("EditUndo"));
  EXPECT_EQ(popSize->Text(), "05");
}

TEST_F(MenuBarTest, WithNoTextFieldInFocusTheEditCommandsAreDisabled) {
  QGuiApplication::clipboard()->setText("7");
  App()->Event_Open();
  ASSERT_TRUE(ChooseMenuItem("SimulationDivergence"));
  Ref<class WindowDiverge> diverge = WindowDiverge();
  Ref<EditField> fastFwd = diverge->Named<EditField>("EditFieldFastFwd");
  test::TypeInto(fastFwd, "25");
  Line(fastFwd)->selectAll();
  // A click on the window's empty corner takes the focus from the field.
  test::Click(diverge, diverge->Width() - 5, 5);
  std::set<std::string> withReset = kApplicationCommands;
  withReset.insert("FileReset");
  EXPECT_EQ(EnabledAfterUpdate(), withReset);
  EXPECT_FALSE(ChooseMenuItem("EditPaste"));
  EXPECT_EQ(fastFwd->Text(), "25");

  // The field focused again, but behind another window.
  test::Click(diverge, fastFwd->Left() + 5, fastFwd->Top() + 5);
  ASSERT_TRUE(ChooseMenuItem("AppleAboutMyApplication"));
  EXPECT_EQ(EnabledAfterUpdate(), kApplicationCommands);
}

TEST_F(MenuBarTest, DivergenceBringsTheOpenWindowForwardOrMakesAFreshOne) {
  App()->Event_Open();
  Ref<class WindowDiverge> first = WindowDiverge();
  const std::vector<aniTron*> founded = Virions(first->Named<driftCan>("myDriftCan", 0));
  ASSERT_EQ(founded.size(), 50u);

  // Chosen in the splash, through the commands it has without a menu bar.
  ActionOf(WindowSplash(), "SimulationDivergence")->trigger();
  EXPECT_EQ(FrontWindow(), Ref<Window>(first));
  EXPECT_EQ(WindowDiverge(), first);
  EXPECT_EQ(Virions(first->Named<driftCan>("myDriftCan", 0)), founded);

  // Closed with its close box, then chosen again: a new window and a new population.
  first->widget()->close();
  ASSERT_TRUE(first->IsClosed());
  EXPECT_EQ(GetImplicitWindow(WindowDiverge::kClassName), nullptr);
  ASSERT_TRUE(ChooseMenuItem("SimulationDivergence"));
  Ref<class WindowDiverge> second = WindowDiverge();
  EXPECT_NE(second, first);
  EXPECT_TRUE(second->Visible());
  EXPECT_EQ(FrontWindow(), Ref<Window>(second));
  const std::vector<aniTron*> refounded = Virions(second->Named<driftCan>("myDriftCan", 0));
  EXPECT_EQ(refounded.size(), 50u);
  for (aniTron* v : refounded) EXPECT_EQ(std::count(founded.begin(), founded.end(), v), 0);
  EXPECT_EQ(second->Named<driftCan>("myDriftCan", 1)->AniTrons.UBound(), 0);
}

TEST_F(MenuBarTest, AboutBringsTheOpenWindowForwardOrMakesAFreshOne) {
  App()->Event_Open();
  ASSERT_TRUE(ChooseMenuItem("AppleAboutMyApplication"));
  Ref<class WindowAbout> first = WindowAbout();
  EXPECT_TRUE(first->Visible());
  EXPECT_EQ(FrontWindow(), Ref<Window>(first));

  ASSERT_TRUE(ChooseMenuItem("SimulationDivergence"));
  ASSERT_EQ(FrontWindow(), Ref<Window>(WindowDiverge()));
  ActionOf(WindowDiverge(), "AppleAboutMyApplication")->trigger();
  EXPECT_EQ(FrontWindow(), Ref<Window>(first));
  EXPECT_EQ(WindowAbout(), first);

  // The window system's activations settle, as they do before a user clicks.
  test::ProcessPending();
  test::ClickButton(first->Named<PushButton>("PushButtonClose"));
  ASSERT_TRUE(first->IsClosed());
  ASSERT_TRUE(ChooseMenuItem("AppleAboutMyApplication"));
  Ref<Window> second = GetImplicitWindow(WindowAbout::kClassName);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(FrontWindow(), second);
}

}  // namespace
