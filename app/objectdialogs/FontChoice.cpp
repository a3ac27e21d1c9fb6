#include "app/objectdialogs/FontChoice.h"

#include "app/ShellTexts.h"
#include "app/objectdialogs/ObjectDialog.h"
#include "platform/Win1252.h"
#include "platform/qt/QtConvert.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kScreenDpi = 96.0;
constexpr double kPointsPerInch = 72.0;

// The font dialog's own widget with a colour row beneath, in one modal dialog.
class FontAndColorDialog : public QDialog {
public:
    FontAndColorDialog(const QFont& font, COLORREF color, QWidget* parent) : QDialog(parent), m_color(color) {
        setWindowTitle(ShellText(IDS_FONT_CAPTION));
        setModal(true);
        auto* layout = new QVBoxLayout(this);
        m_fonts = new QFontDialog(font, this);
        m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts);
        m_fonts->setWindowFlags(Qt::Widget);
        layout->addWidget(m_fonts);

        auto* colorRow = new QHBoxLayout;
        colorRow->addWidget(new QLabel(ShellText(IDS_FONT_COLOR), this));
        auto* colorButton = new QPushButton(ShellText(IDS_COLOR_BUTTON), this);
        ShowColorOnButton(colorButton, m_color);
        connect(colorButton, &QPushButton::clicked, this, [this, colorButton] {
            COLORREF chosen = m_color;
            if (!ChooseColorFrom(chosen)) return;
            m_color = chosen;
            ShowColorOnButton(colorButton, m_color);
        });
        colorRow->addWidget(colorButton);
        colorRow->addStretch();
        layout->addLayout(colorRow);

        auto* buttons = new QDialogButtonBox(this);
        buttons->addButton(ShellText(IDS_OK_BUTTON), QDialogButtonBox::AcceptRole)->setDefault(true);
        buttons->addButton(ShellText(IDS_CANCEL_BUTTON), QDialogButtonBox::RejectRole);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons);
    }

    QFont Font() const { return m_fonts->currentFont(); }
    COLORREF Color() const { return m_color; }

private:
    // The colour of the text starts from the current one (unlike the attribute colours).
    bool ChooseColorFrom(COLORREF& inOut) {
        const QColor chosen = QColorDialog::getColor(ToQColor(inOut), this);
        if (!chosen.isValid()) return false;
        inOut = RGB(chosen.red(), chosen.green(), chosen.blue());
        return true;
    }

    QFontDialog* m_fonts = nullptr;
    COLORREF m_color = 0;
};

}  // namespace

QFont FontForDialog(const LOGFONT& lf) {
    QFont font = ToQFont(lf);
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : kDefaultFontPixels;
    font.setPointSizeF(std::max(1.0, pixels * kPointsPerInch / kScreenDpi));
    return font;
}

LOGFONT LogFontFromDialog(const QFont& font, const LOGFONT& base) {
    LOGFONT lf = base;
    double pixels = font.pointSizeF() > 0 ? font.pointSizeF() * kScreenDpi / kPointsPerInch : double(font.pixelSize());
    if (!(pixels >= 1.0)) pixels = kDefaultFontPixels;
    lf.lfHeight = -int32_t(std::lround(std::min(pixels, 32767.0)));
    lf.lfWidth = 0;
    lf.lfEscapement = 0;
    lf.lfOrientation = 0;
    lf.lfWeight = std::clamp(int32_t(font.weight()), int32_t(1), int32_t(1000));
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    lf.SetFaceName(Utf8ToWin1252(font.family().toStdString()));
    return lf;
}

bool ChooseFontAndColor(QWidget* parent, LOGFONT& lf, COLORREF& color) {
    FontAndColorDialog dialog(FontForDialog(lf), color, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    lf = LogFontFromDialog(dialog.Font(), lf);
    color = dialog.Color();
    return true;
}
