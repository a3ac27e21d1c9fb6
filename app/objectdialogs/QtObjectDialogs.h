// The object property dialogs as Qt dialogs, installed as the objects' dialog service.
#pragma once

#include "objects/ObjectDialogs.h"

#include <QPointer>
#include <QWidget>

class QtObjectDialogs : public IObjectDialogs {
public:
    explicit QtObjectDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    bool EditLineAndFill(LineFillValues& inOut) override;
    bool EditDimensions(DimensionDialogValues& inOut) override;
    bool EditSymbol(SymbolDialogValues& inOut) override;
    bool EditNote(std::string& inOut) override;
    bool EditText(TextDialogValues& inOut) override;
    bool EditSymbolAttributes(SymbolAttributeValues& inOut) override;
    bool EditAddSymbol(AddSymbolValues& inOut) override;

    // The window the dialogs are centred on (the main frame); may be null.
    void SetParent(QWidget* parent) { m_parent = parent; }

    // Creates the process-wide instance on first use and installs it with SetObjectDialogs.
    static QtObjectDialogs& Install(QWidget* parent = nullptr);
    // Puts back the dialogs that cancel; the instance stays alive.
    static void Uninstall();

private:
    QPointer<QWidget> m_parent;
};
