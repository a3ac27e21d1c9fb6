#include "app/frame/FileDialogs.h"

#include "app/ShellTexts.h"
#include "app/dialogs/ScaleDialog.h"
#include "platform/StringTable.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace {
constexpr int IDS_SAVE_AS_TITLE = 61441;  // "Speichern unter"
// The document type's names, one a line; line 3 is its filter name "Kovel Datei (*.cpr;*.cap)".
constexpr int IDS_DOCUMENT_TYPE = 3;

// Qt takes the patterns from the last parenthesis and separates them by blanks, so
// "(*.cpr;*.cap)" would be one pattern. Each filter carries its patterns in a last group
// that the dialog hides, and shows the document type's own text.
void SetDocumentFilters(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    const QString filterName = ShellText(IDS_DOCUMENT_TYPE).split(u'\n').value(3);
    dialog.setNameFilters({filterName + QStringLiteral(" (*.cpr *.cap)"), ShellText(IDS_ALL_FILES_FILTER)});
}
}  // namespace

std::string PathFromQString(const QString& name) { return QFile::encodeName(name).toStdString(); }

QString QStringFromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string DisplayNameOf(const std::string& path) { return QStringFromPath(path).toStdString(); }

void QtFileDialogs::AskPlanScale(CArdoDoc& doc, QWidget* parent) { RunScaleDialog(doc, parent); }

std::string QtFileDialogs::AskOpenFileName(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    SetDocumentFilters(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return PathFromQString(dialog.selectedFiles().first());
}

std::string QtFileDialogs::AskSaveFileName(QWidget* parent, const std::string& proposed, bool bReplace) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A copy keeps the dialog's default title.
    if (bReplace) dialog.setWindowTitle(QString::fromStdString(LoadString(IDS_SAVE_AS_TITLE)));
    SetDocumentFilters(dialog);
    const QFileInfo info(QStringFromPath(proposed));
    if (!proposed.empty()) {
        if (info.isAbsolute()) dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return PathFromQString(dialog.selectedFiles().first());
}
