// Shared fakes for the drawing object tests: a view that counts what it is asked to redraw,
// a scripted line-and-fill dialog, a document with that view attached, and archive helpers.
#pragma once

#include "document/ArdoDoc.h"
#include "document/DocumentView.h"
#include "objects/ArdoObj.h"
#include "objects/ObjectClasses.h"
#include "objects/ObjectDialogs.h"
#include "platform/Archive.h"
#include "platform/RecordingBackend.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace objtest {

// Everything a test could want to draw into.
const CRect kEverywhere(-100000000, -100000000, 100000000, 100000000);

class CountingView : public DocumentView {
public:
    int handleSize = 3;
    std::vector<int> hints;                    // OnUpdate hints in order
    std::vector<const CArdoObj*> hintObjects;  // their hint objects
    std::vector<const CArdoObj*> invalidated;  // InvalidateObject calls

    void OnUpdate(DocumentView*, int hint, const UpdateHint& what) override {
        hints.push_back(hint);
        hintObjects.push_back(what.object);
    }
    void RemoveFromSelection(CArdoObj*) override {}
    bool IsSelected(const CArdoObj*) const override { return false; }
    bool IsActiveView() const override { return true; }
    void OnExtentChanged(CSize) override {}
    CRect GetLogicalClipRect(CDC*) const override { return kEverywhere; }
    int GetHandleSize() const override { return handleSize; }
    void InvalidateObject(const CArdoObj* obj) override { invalidated.push_back(obj); }

    void Reset() {
        hints.clear();
        hintObjects.clear();
        invalidated.clear();
    }
};

// A line-and-fill dialog that answers OK with scripted values (or cancels) and remembers
// what it was preset with.
class ScriptedDialogs : public IObjectDialogs {
public:
    bool ok = true;
    LineFillValues answer;
    LineFillValues preset;
    int calls = 0;
    bool EditLineAndFill(LineFillValues& values) override {
        ++calls;
        preset = values;
        if (!ok) return false;
        values = answer;
        return true;
    }
};

// A document with one counting view, the scripted dialogs installed and a clean modified flag.
class ObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterDrawingObjectClasses();
        doc.AddView(&view);
        SetObjectDialogs(&dialogs);
    }
    void TearDown() override {
        SetObjectDialogs(nullptr);
        doc.RemoveView(&view);
    }
    // Adds obj to the document and forgets the side effects of adding.
    template <class T>
    T* Adopt(std::unique_ptr<T> created) {
        T* obj = doc.AddObject(std::move(created));
        doc.SetModifiedFlag(false);
        view.Reset();
        return obj;
    }

    CArdoDoc doc;
    CountingView view;
    ScriptedDialogs dialogs;
};

// The bytes of obj's record (without class tag).
inline std::vector<uint8_t> RecordOf(CObject& obj) {
    std::vector<uint8_t> bytes;
    CArchive ar(bytes);
    obj.Serialize(ar);
    return bytes;
}

// Reads a record into obj as part of doc.
inline void ReadRecord(CObject& obj, const std::vector<uint8_t>& bytes, CArdoDoc* doc) {
    CArchive ar{std::span<const uint8_t>(bytes)};
    ar.m_pDocument = static_cast<ObjectOwner*>(doc);
    obj.Serialize(ar);
}

// A device context over a recording backend, 1:1 pixel mapping unless a test changes it.
struct Canvas {
    RecordingBackend backend;
    CDC dc{backend};
};

}  // namespace objtest
