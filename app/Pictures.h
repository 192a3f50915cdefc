#pragma once
// The program's two pictures, from its compiled-in resources: each is loaded on
// first use and kept until the program ends. A picture that could not be loaded
// is asked for again at the next use.

#include "Control.h"
#include "Picture.h"
#include "Window.h"

// The cover picture (resource 168), 158 x 204.
Ref<Picture> BrismoorCover();
// The virion picture (resource 170) of the data card.
Ref<Picture> HepCVirion();
// Makes the cover picture the backdrop of a canvas (the cover canvases of the
// splash and About windows, before their layouts are applied).
void ShowCoverOn(const Ref<Control>& canvas);
// The cover canvas of the splash and About windows reaches into the top of the
// title's box: the title is laid above it, so that the cover never hides it.
void LayCoverUnderTitle(const Ref<Window>& w);
// Lets go of both kept pictures.
void ReleasePictures();
