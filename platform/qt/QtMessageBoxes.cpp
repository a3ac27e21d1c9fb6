// QMessageBox behind the message box service.
#include "platform/qt/QtMessageBoxes.h"

#include "platform/qt/QtConvert.h"

#include <QGuiApplication>

namespace {

constexpr unsigned kButtonMask = 0x0F;
constexpr unsigned kIconMask = 0xF0;

}  // namespace

QMessageBox::StandardButtons MessageBoxButtons(unsigned type) {
    switch (type & kButtonMask) {
    case MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    case MB_YESNOCANCEL: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::StandardButton MessageBoxDefaultButton(unsigned type) {
    switch (type & kButtonMask) {
    case MB_YESNO:
    case MB_YESNOCANCEL: return QMessageBox::Yes;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon MessageBoxIcon(unsigned type) {
    switch (type & kIconMask) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int MessageBoxAnswer(QMessageBox::StandardButton pressed, unsigned type) {
    switch (pressed) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: break;
    }
    switch (type & kButtonMask) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL: return IDCANCEL;
    case MB_YESNO: return IDNO;
    default: return IDOK;
    }
}

int QtMessageBoxes::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    QMessageBox box(MessageBoxIcon(type),
                    caption.empty() ? QGuiApplication::applicationDisplayName() : ToQString(caption), ToQString(text),
                    MessageBoxButtons(type), m_parent.data());
    box.setDefaultButton(MessageBoxDefaultButton(type));
    // A yes/no box has no cancelling button of its own: Escape answers no.
    if ((type & kButtonMask) == MB_YESNO) box.setEscapeButton(QMessageBox::No);
    const int result = box.exec();
    return MessageBoxAnswer(QMessageBox::StandardButton(result), type);
}
