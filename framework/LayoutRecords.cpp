#include "LayoutRecords.h"

namespace {

void Place(PropertyStream& s, const ControlPlace& p) {
  s.Text("Name", p.name).Int32("Index", p.index).Int32("Left", p.left).Int32("Top", p.top)
      .Int32("Width", p.width).Int32("Height", p.height).Boolean("LockLeft", p.lockLeft)
      .Boolean("LockTop", p.lockTop).Boolean("LockRight", p.lockRight).Boolean("LockBottom", p.lockBottom)
      .Int32("TabPanelIndex", p.tabPanelIndex).Int32("TabIndex", p.tabIndex);
}

PropertyStream Joined(PropertyStream s, const PropertyStream& extra) {
  PropertyStream joined = std::move(s);
  joined.Append(extra);
  return joined;
}

}  // namespace

PropertyStream WindowLayout::Stream() const {
  PropertyStream s;
  s.Int32("Placement", placement).Int32("Width", width).Int32("Height", height)
      .Int32("MinWidth", minWidth).Int32("MinHeight", minHeight).Int32("MaxWidth", maxWidth)
      .Int32("MaxHeight", maxHeight).Int32("Frame", frame).Boolean("Composite", composite)
      .Boolean("HasBackColor", hasBackColor).Color("BackColor", backColor).Text("Title", title)
      .Boolean("Visible", visible).Boolean("FullScreen", fullScreen).Boolean("MenuBarVisible", menuBarVisible)
      .Boolean("CloseButton", closeButton).Boolean("Resizeable", resizeable).Boolean("LiveResize", liveResize)
      .Boolean("MaximizeButton", maximizeButton).Boolean("MinimizeButton", minimizeButton)
      .Int32("MacProcID", macProcID).Text("BalloonHelp", balloonHelp);
  return s;
}

PropertyStream StaticTextLayout::Stream() const {
  PropertyStream s;
  Place(s, place);
  s.Text("Text", text).Int32("TextAlign", textAlign).Color("TextColor", textColor).Boolean("Multiline", multiline)
      .Boolean("Enabled", enabled).Boolean("Visible", visible).Text("HelpTag", helpTag)
      .Boolean("AutoDeactivate", autoDeactivate).Text("TextFont", textFont).Int32("TextSize", textSize)
      .Boolean("Bold", bold).Boolean("Italic", italic).Boolean("Underline", underline).Text("DataSource", "")
      .Text("DataField", "").Text("InitialParent", initialParent);
  return Joined(s, extra);
}

PropertyStream PushButtonLayout::Stream() const {
  PropertyStream s;
  Place(s, place);
  s.Text("Caption", caption).Boolean("Default", isDefault).Boolean("Cancel", cancel).Boolean("Enabled", enabled)
      .Boolean("Visible", visible).Text("HelpTag", helpTag).Boolean("AutoDeactivate", autoDeactivate)
      .Text("TextFont", textFont).Int32("TextSize", textSize).Boolean("Bold", bold).Boolean("Italic", italic)
      .Boolean("Underline", underline).Text("InitialParent", initialParent);
  return s;
}

PropertyStream CanvasLayout::Stream() const {
  PropertyStream s;
  Place(s, place);
  s.Boolean("Visible", visible).Text("HelpTag", helpTag).Boolean("AutoDeactivate", autoDeactivate)
      .Boolean("Enabled", enabled).Boolean("UseFocusRing", useFocusRing).Boolean("AcceptFocus", acceptFocus)
      .Boolean("AcceptTabs", acceptTabs).Boolean("EraseBackground", eraseBackground)
      .Text("InitialParent", initialParent);
  return Joined(s, extra);
}

PropertyStream EditFieldLayout::Stream() const {
  PropertyStream s;
  Place(s, place);
  s.Text("Text", text).Boolean("Border", border).Boolean("Multiline", multiline).Boolean("Styled", styled)
      .Boolean("ReadOnly", readOnly).Int32("LimitText", limitText).Text("Mask", mask).Text("Format", format)
      .Color("TextColor", textColor).Boolean("HasBackColor", hasBackColor).Color("BackColor", backColor)
      .Int32("Alignment", alignment).Boolean("UseFocusRing", useFocusRing)
      .Boolean("ScrollbarVertical", scrollbarVertical).Boolean("Enabled", enabled).Boolean("Visible", visible)
      .Text("TextFont", textFont).Int32("TextSize", textSize).Text("InitialParent", initialParent);
  return s;
}

PropertyStream ListboxLayout::Stream() const {
  PropertyStream s;
  Place(s, place);
  s.Int32("ColumnCount", columnCount).Text("ColumnWidths", columnWidths).Boolean("HasHeading", hasHeading)
      .Boolean("Border", border).Boolean("ScrollBarHorizontal", scrollBarHorizontal)
      .Boolean("ScrollBarVertical", scrollBarVertical).Int32("GridLinesHorizontal", gridLinesHorizontal)
      .Int32("DefaultRowHeight", defaultRowHeight).Text("TextFont", textFont).Int32("TextSize", textSize)
      .Boolean("RequiresSelection", requiresSelection).Boolean("Enabled", enabled).Boolean("Visible", visible)
      .Text("InitialParent", initialParent);
  return s;
}

PropertyStream PopupMenuLayout::Stream() const {
  PropertyStream s;
  Place(s, place);
  s.Text("InitialValue", initialValue).Int32("ListIndex", listIndex).Boolean("Enabled", enabled)
      .Boolean("Visible", visible).Text("TextFont", textFont).Int32("TextSize", textSize)
      .Text("InitialParent", initialParent);
  return s;
}

PropertyStream RectangleLayout::Stream() const {
  PropertyStream s;
  Place(s, place);
  s.Color("FillColor", fillColor).Int32("BorderWidth", borderWidth).Color("BorderColor", borderColor)
      .Boolean("Enabled", enabled).Boolean("Visible", visible).Text("InitialParent", initialParent);
  return s;
}

PropertyStream LineLayout::Stream() const {
  PropertyStream s;
  s.Text("Name", name).Int32("Index", index).Int32("X1", x1).Int32("Y1", y1).Int32("X2", x2).Int32("Y2", y2)
      .Int32("BorderWidth", borderWidth).Color("BorderColor", borderColor).Boolean("Visible", visible);
  return Joined(s, extra);
}

PropertyStream TimerLayout::Stream() const {
  PropertyStream s;
  s.Int32("Mode", mode).Int32("Period", period);
  return s;
}
