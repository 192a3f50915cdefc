#pragma once
// The program's own look. Its windows are laid out as fixed pixel boxes for one
// look, as its texts are set in faces it carries: a desktop's theme, widget
// style or colour scheme must not reach inside them. So the whole application
// (windows, message boxes, menus, lists, fields) is drawn in one widget style,
// Fusion, with one fixed light palette: the look Qt gives on a machine with no
// desktop settings at all, pixel for pixel. Should the desktop change its
// style or colours while the program runs, the program's own are put back.

// Sets the program's faces (UseProgramFaces), its style and its palette, and
// keeps them. The runtime calls it at start-up.
void UseProgramLook();
