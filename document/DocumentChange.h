// A named change of a document for the length of a scope: opened on construction, recorded
// as one step of the history on leaving the scope, and taken back when the scope is left by
// an exception, so that a change failing half-way leaves the document as it was.
#pragma once

#include "document/ArdoDoc.h"
#include "platform/StringTable.h"

#include <exception>
#include <string>

class DocumentChange {
public:
    using Kind = CArdoDoc::ChangeKind;
    DocumentChange(CArdoDoc& doc, const std::string& name, Kind kind = Kind::editsObjects)
        : m_doc(doc), m_exceptions(std::uncaught_exceptions()) {
        doc.BeginChange(name, kind);
    }
    // The change named by string nameId (document/ChangeNames.h).
    DocumentChange(CArdoDoc& doc, int nameId, Kind kind = Kind::editsObjects)
        : DocumentChange(doc, LoadString(nameId), kind) {}
    ~DocumentChange() {
        if (m_closed) return;
        if (std::uncaught_exceptions() > m_exceptions)
            m_doc.CancelChange();
        else
            m_doc.EndChange();
    }
    DocumentChange(const DocumentChange&) = delete;
    DocumentChange& operator=(const DocumentChange&) = delete;

    // Takes back what happened since the change opened (the user cancelled).
    void Cancel() {
        m_closed = true;
        m_doc.CancelChange();
    }

private:
    CArdoDoc& m_doc;
    int m_exceptions;
    bool m_closed = false;
};
