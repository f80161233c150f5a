#pragma once

#include "pages/page_slot.h"

#include <QString>

class QWidget;

namespace orva {

class EditorPage;
class ModalQuestions;
class ProgramRandom;
class T_Command_DEVICE;

// What the main window offers its pages.
class PageHost
{
public:
    virtual ~PageHost() = default;

    // The working device model that every page reads and writes.
    virtual T_Command_DEVICE &model() = 0;
    // Where a page asks its modal questions (message boxes).
    virtual ModalQuestions &questions() = 0;
    // The program's random generator, seeded once at start (key generation draws from it).
    virtual ProgramRandom &random() = 0;
    // The folder that holds Image/ with the mode pictures.
    virtual QString programFolder() const = 0;
    // Another page of the window, for the few steps that reach across pages (the GPRS switch enables
    // a box of the Mode page, a key's name change refreshes the SMS-by-keys page).
    virtual EditorPage *Page(PageSlot slot) const = 0;
    template <typename P> P *PageAs(PageSlot slot) const { return static_cast<P *>(Page(slot)); }

    // Binds controls a page builds after the window was created: the enter and exit colouring with
    // the page's LastFocused slot, label clicks and up-down presses (the window binds everything that
    // exists when it is created by itself).
    virtual void bindControls(QWidget *root, PageSlot slot) = 0;

    // The window-wide flag that the GSM dial and SMS-by-keys pages set while they redraw, so their
    // change handlers know the change is not the user's.
    virtual bool isUpdating() const = 0;
    virtual void setUpdating(bool updating) = 0;
};

} // namespace orva
