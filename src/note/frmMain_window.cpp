// The window menu's commands: new note, roll-up and restore, reset, close, and "Always on Top".
#include "note/frmMain.h"

#include "note/DateStamp.h"
#include "note/NoteSettings.h"
#include "platform/PlainText.h"
#include "platform/RichTextBox.h"
#include "platform/TopLevel.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>

#include <algorithm>

namespace {
constexpr int PreviewLength = 35;
} // namespace

void frmMain::wireWindowCommands(const NoteMenuItems& m) {
    connect(m.mnuNew, &QAction::triggered, this, &frmMain::newNote);
    connect(m.mnuSystemNew, &QAction::triggered, this, &frmMain::newNote);
    connect(m.mnuSystemMinimize, &QAction::triggered, this, &frmMain::rollUp);
    connect(m.mnuSystemRestore, &QAction::triggered, this, &frmMain::restoreSize);
    connect(m.mnuSystemReset, &QAction::triggered, this, &frmMain::reset);
    connect(m.mnuSystemClose, &QAction::triggered, this, &QWidget::close);
    // The item's check mark has flipped by the time this runs.
    connect(m.mnuTop, &QAction::triggered, this, &frmMain::toggleTopmost);
}

QList<frmMain*> frmMain::openNotes() {
    QList<frmMain*> notes;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* note = qobject_cast<frmMain*>(w); note && TopLevel::isOpen(note))
            notes.append(note);
    }
    std::sort(notes.begin(), notes.end(), [](const frmMain* a, const frmMain* b) {
        return a->creationIndex() < b->creationIndex();
    });
    return notes;
}

void frmMain::bringToFront() {
    TopLevel::bringBack(this);
    if (isRolledUp())
        restoreSize();
    show();
    raise();
    activateWindow();
}

// A fresh note with its own defaults, 200 twips right of and below this one.
void frmMain::newNote() {
    auto* note = new frmMain;
    note->setLeft(Left() + NewNoteOffsetTwips);
    note->setTop(Top() + NewNoteOffsetTwips);
    note->ensureReachable();
    note->show();
}

bool frmMain::isRolledUp() const {
    return width() == Twips::toPixelsX(NoteLayout::TileWidth);
}

// Rolls the note up to a small tile that shows its icon; the icon's tooltip previews the text.
void frmMain::rollUp() {
    m_restoreSize.remember(Twips::round(Height()), Twips::round(Width()));
    setHeight(NoteLayout::TileHeight);
    setWidth(NoteLayout::TileWidth);
    QString preview = RTB1->text().left(PreviewLength);
    preview.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    imgIcon->setToolTip(asPlainTooltip(preview));
    setMinimizeEnabled(false);
}

void frmMain::restoreSize() {
    setHeight(m_restoreSize.height());
    setWidth(m_restoreSize.width());
    imgIcon->setToolTip(QString());
    setMinimizeEnabled(true);
}

void frmMain::reset() {
    setWidth(NoteSettings::DefaultWidth);
    setHeight(NoteSettings::DefaultHeight);
    SetColor(QStringLiteral("yellow"));
    RTB1->setText(placeholderText());
    lblDate->setText(DateStamp::now());
}

void frmMain::toggleTopmost() {
    const int ontop = imgList.index(QStringLiteral("Ontop")) - 1;
    const int normal = imgList.index(QStringLiteral("Normal")) - 1;
    const QString caption = menuItems().mnuTop->text();
    if (isTopChecked()) {
        TopLevel::SetWindowTopmost(this, TopLevel::Topmost);
        m_menuIcons.setItemIcon(caption, ontop);
    } else {
        m_menuIcons.setItemIcon(caption, normal);
        TopLevel::SetWindowTopmost(this, TopLevel::NotTopmost);
    }
}
