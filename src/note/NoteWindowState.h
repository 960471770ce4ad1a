#pragma once
#include <QtGlobal>

// Small pieces of a note window's state, each kept by the one concern that uses it.

// A moved note comes to the top of its band once per drag, not on every move: the start of a
// drag arms it, the first placement takes it.
class RaiseOnce {
public:
    void arm() { m_pending = true; }
    // True at the first call after arm() (and before the first arm), false after that.
    bool take() {
        const bool pending = m_pending;
        m_pending = false;
        return pending;
    }

private:
    bool m_pending = true;
};

// The size in twips that a rolled-up note goes back to.
class RestoreSize {
public:
    void remember(qint32 height, qint32 width) {
        m_height = height;
        m_width = width;
    }
    // The size from the last roll-up; the default note size when none is known (a note that
    // came back from the store rolled up), rather than 0 x 0.
    double height() const;
    double width() const;

private:
    bool known() const { return m_height > 0 && m_width > 0; }
    qint32 m_height = 0;
    qint32 m_width = 0;
};

// Why a note window closes, and whether its note is in the store already.
class CloseState {
public:
    enum class Cause { User, Logoff };

    Cause cause() const { return m_cause; }
    // The end of the logon closes the window; `storedByCaller` when every note was stored in
    // one write before the windows began to close.
    void beginLogoff(bool storedByCaller) {
        m_cause = Cause::Logoff;
        m_storedByCaller = storedByCaller;
    }
    bool storedByCaller() const { return m_storedByCaller; }
    // The note was appended to the store at the end of the logon: nothing is left to decide.
    void markStored() { m_stored = true; }
    bool stored() const { return m_stored; }

private:
    Cause m_cause = Cause::User;
    bool m_stored = false;
    bool m_storedByCaller = false;
};
