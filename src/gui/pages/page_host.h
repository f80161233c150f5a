#pragma once

#include "pages/page_slot.h"

#include <QString>

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
    // Another page of the window, by its slot.
    virtual EditorPage *Page(PageSlot slot) const = 0;

    // The window-wide flag that the GSM dial and SMS-by-keys pages set while they redraw, so their
    // change handlers know the change is not the user's.
    virtual bool isUpdating() const = 0;
    virtual void setUpdating(bool updating) = 0;
};

// Sets the window's updating flag for its lifetime and puts the previous state back, so that the
// change handlers of the GSM dial and SMS-by-keys pages know the change is the program's.
class UpdatingScope
{
public:
    explicit UpdatingScope(PageHost &host) : m_host(host), m_previous(host.isUpdating())
    {
        m_host.setUpdating(true);
    }
    ~UpdatingScope() { m_host.setUpdating(m_previous); }
    UpdatingScope(const UpdatingScope &) = delete;
    UpdatingScope &operator=(const UpdatingScope &) = delete;

private:
    PageHost &m_host;
    bool m_previous;
};

} // namespace orva
