#include "note/NoteAccessible.h"

#include "note/NoteControl.h"
#include "note/frmMain.h"

#include "platform/RichTextBox.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTextBlock>
#include <QTextDocument>
#include <QWidget>
#include <QWindow>

namespace {

// One drawn control of a note, found again by its place in the note's list at every question, so
// that it never outlives the note or its controls. A control that takes a click can be pressed.
class NoteControlAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    NoteControlAccessible(frmMain* note, int index) : m_note(note), m_index(index) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        const NoteControl* c = control();
        if (type == QAccessible::ActionInterface && c && c->canPress())
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }
    // The window menu's picture opens a menu; the others are buttons.
    QStringList actionNames() const override {
        const NoteControl* c = control();
        if (!c || !c->canPress())
            return {};
        if (c->accessibleRole() == QAccessible::ButtonMenu)
            return {showMenuAction(), pressAction()};
        return {pressAction()};
    }
    void doAction(const QString& name) override {
        if (actionNames().contains(name))
            control()->press();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    bool isValid() const override { return control() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_note ? m_note->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return m_note ? QAccessible::queryAccessibleInterface(m_note) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        const NoteControl* c = control();
        if (!c)
            return QString();
        switch (t) {
        case QAccessible::Name:
            return c->accessibleName().isEmpty() ? c->text().trimmed() : c->accessibleName();
        case QAccessible::Description:
            return c->accessibleDescription();
        case QAccessible::Value:
            return c->accessibleName().isEmpty() ? QString() : c->text();
        default:
            return QString();
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        const NoteControl* c = control();
        return c ? QRect(c->mapToGlobal(QPoint()), c->geometry().size()) : QRect();
    }
    QAccessible::Role role() const override {
        const NoteControl* c = control();
        return c ? c->accessibleRole() : QAccessible::NoRole;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !m_note || !m_note->isVisible();
        return s;
    }

    int index() const { return m_index; }
    const frmMain* note() const { return m_note; }

private:
    const NoteControl* control() const {
        if (!m_note)
            return nullptr;
        const QList<NoteControl*> controls = m_note->drawnControls();
        return m_index < controls.size() ? controls.at(m_index) : nullptr;
    }

    QPointer<frmMain> m_note;
    int m_index;
};

// A name that a screen reader reads in one breath.
constexpr int NameLength = 60;

frmMain* noteOf(QObject* object) {
    return qobject_cast<frmMain*>(object);
}

QAccessibleInterface* noteFactory(const QString&, QObject* object) {
    if (frmMain* note = noteOf(object))
        return new NoteWindowAccessible(note);
    return nullptr;
}

} // namespace

NoteWindowAccessible::NoteWindowAccessible(frmMain* note)
    : QAccessibleWidget(note, QAccessible::Window) {}

NoteWindowAccessible::~NoteWindowAccessible() {
    for (QAccessible::Id id : std::as_const(m_controlIds))
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

void NoteWindowAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(noteFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

int NoteWindowAccessible::controlCount() const {
    const frmMain* note = noteOf(object());
    return note ? int(note->drawnControls().size()) : 0;
}

int NoteWindowAccessible::childCount() const {
    return controlCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface* NoteWindowAccessible::child(int index) const {
    const int controls = controlCount();
    if (index < 0)
        return nullptr;
    if (index >= controls)
        return QAccessibleWidget::child(index - controls);
    if (m_controlIds.size() < controls)
        m_controlIds.resize(controls, 0);
    QAccessible::Id& id = m_controlIds[index];
    if (!id)
        id = QAccessible::registerAccessibleInterface(
            new NoteControlAccessible(noteOf(object()), index));
    return QAccessible::accessibleInterface(id);
}

int NoteWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (const auto* c = dynamic_cast<const NoteControlAccessible*>(child))
        return c->note() == object() ? c->index() : -1;
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : index + controlCount();
}

// The text box lies above the controls; of the controls, the last drawn is on top.
QAccessibleInterface* NoteWindowAccessible::childAt(int x, int y) const {
    for (int i = childCount() - 1; i >= 0; --i) {
        QAccessibleInterface* c = child(i);
        if (c && c->isValid() && !c->state().invisible && c->rect().contains(x, y))
            return c;
    }
    return nullptr;
}

QString NoteWindowAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    const frmMain* note = noteOf(object());
    m_name = note ? noteName(note) : QString();
    return m_name;
}

QString NoteWindowAccessible::noteName(const frmMain* note) {
    const QString first = note->RTB1->document()->firstBlock().text().simplified();
    if (first.isEmpty())
        return QCoreApplication::translate("NoteWindowAccessible", "Empty note");
    return first.size() > NameLength ? first.left(NameLength) + QChar(0x2026) : first;
}

// Only once a screen reader asked for the name, and only when the first line changed.
void NoteWindowAccessible::textChanged(frmMain* note) {
    if (!QAccessible::isActive())
        return;
    auto* self = static_cast<NoteWindowAccessible*>(QAccessible::queryAccessibleInterface(note));
    if (!self || self->m_name.isNull() || self->m_name == noteName(note))
        return;
    self->m_name = noteName(note);
    QAccessibleEvent changed(note, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}
