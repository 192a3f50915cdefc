#pragma once
// The layout records of a window and of each kind of control, written as data
// (designated initializers) and turned into property streams with the records
// in the framework's order for that kind. Anything a layout adds beyond the
// common records (a subclass's own properties) goes into `extra`, applied last.

#include <cstdint>
#include <string>

#include "Color.h"
#include "Control.h"
#include "PropertyStream.h"

struct WindowLayout {
  int32_t placement = 0;
  int32_t width = 100, height = 100;
  int32_t minWidth = 64, minHeight = 64, maxWidth = 32000, maxHeight = 32000;
  int32_t frame = 0;
  bool composite = false;
  bool hasBackColor = false;
  Color backColor = RGB(255, 255, 255);
  std::string title{};
  bool visible = true;
  bool fullScreen = false;
  bool menuBarVisible = true;
  bool closeButton = true;
  bool resizeable = true;
  bool liveResize = true;
  bool maximizeButton = true, minimizeButton = true;
  int32_t macProcID = 0;
  std::string balloonHelp{};
  PropertyStream Stream() const;
};

// What every control with a place shares.
struct ControlPlace {
  std::string name{};
  int32_t index = kNoIndex;
  int32_t left = 0, top = 0, width = 0, height = 0;
  bool lockLeft = false, lockTop = false, lockRight = false, lockBottom = false;
  int32_t tabPanelIndex = 0;
  int32_t tabIndex = 0;
};

struct StaticTextLayout {
  ControlPlace place;
  std::string text{};
  int32_t textAlign = 0;
  Color textColor{};
  bool multiline = false;
  bool enabled = true, visible = true;
  std::string helpTag{};
  bool autoDeactivate = true;
  std::string textFont = "System";
  int32_t textSize = 12;
  bool bold = false, italic = false, underline = false;
  std::string initialParent{};
  PropertyStream extra{};
  PropertyStream Stream() const;
};

struct PushButtonLayout {
  ControlPlace place;
  std::string caption{};
  bool isDefault = false, cancel = false;
  bool enabled = true, visible = true;
  std::string helpTag{};
  bool autoDeactivate = true;
  std::string textFont = "System";
  int32_t textSize = 12;
  bool bold = false, italic = false, underline = false;
  std::string initialParent{};
  PropertyStream Stream() const;
};

struct CanvasLayout {
  ControlPlace place;
  bool visible = true;
  std::string helpTag{};
  bool autoDeactivate = true;
  bool enabled = true;
  bool useFocusRing = true, acceptFocus = false, acceptTabs = false, eraseBackground = true;
  std::string initialParent{};
  PropertyStream extra{};
  PropertyStream Stream() const;
};

struct EditFieldLayout {
  ControlPlace place;
  std::string text{};
  bool border = true;
  bool multiline = false;
  bool styled = false;
  bool readOnly = false;
  int32_t limitText = 0;
  std::string mask{};
  std::string format{};
  Color textColor{};
  bool hasBackColor = true;
  Color backColor = RGB(255, 255, 255);
  int32_t alignment = 0;
  bool useFocusRing = true;
  bool scrollbarVertical = false;
  bool enabled = true, visible = true;
  std::string textFont = "System";
  int32_t textSize = 12;
  std::string initialParent{};
  PropertyStream Stream() const;
};

struct ListboxLayout {
  ControlPlace place;
  int32_t columnCount = 1;
  std::string columnWidths{};
  bool hasHeading = false;
  bool border = true;
  bool scrollBarHorizontal = false, scrollBarVertical = true;
  int32_t gridLinesHorizontal = 0;
  int32_t defaultRowHeight = -1;
  std::string textFont = "System";
  int32_t textSize = 12;
  bool requiresSelection = false;
  bool enabled = true, visible = true;
  std::string initialParent{};
  PropertyStream Stream() const;
};

struct PopupMenuLayout {
  ControlPlace place;
  std::string initialValue{};  // the rows, separated by Chr(13)
  int32_t listIndex = -1;
  bool enabled = true, visible = true;
  std::string textFont = "System";
  int32_t textSize = 12;
  std::string initialParent{};
  PropertyStream Stream() const;
};

struct RectangleLayout {
  ControlPlace place;
  Color fillColor = RGB(255, 255, 255);
  int32_t borderWidth = 1;
  Color borderColor{};
  bool enabled = true, visible = true;
  std::string initialParent{};
  PropertyStream Stream() const;
};

struct LineLayout {
  std::string name{};
  int32_t index = kNoIndex;
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int32_t borderWidth = 1;
  Color borderColor{};
  bool visible = true;
  PropertyStream extra{};
  PropertyStream Stream() const;
};

struct TimerLayout {
  int32_t mode = 0;
  int32_t period = 1000;
  PropertyStream Stream() const;
};
