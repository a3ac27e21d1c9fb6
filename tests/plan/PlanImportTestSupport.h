// Shared set-up of the plan import tests: fresh services and header parameters, and an
// import of a written plan into a new document.
#pragma once

#include "document/ArdoDoc.h"
#include "plan/PlanImport.h"
#include "plan/PlanWriter.h"
#include "platform/MemoryServices.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class PlanImportTestBase : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppServices();
        ResetPersistentPlanParameters();
        doc = std::make_unique<CArdoDoc>();
    }
    void TearDown() override { ResetPersistentPlanParameters(); }

    PlanImportReport Import(const PlanWriter& writer) { return Import(writer.Bytes()); }
    PlanImportReport Import(const std::vector<uint8_t>& bytes) {
        PlanImportReport report;
        EXPECT_EQ(0, ImportPlanBytes(*doc, bytes, &report));
        return report;
    }
    template <class T>
    T* Background(size_t i) const {
        return i < doc->m_background.size() ? dynamic_cast<T*>(doc->m_background[i].get()) : nullptr;
    }
    RecordingMessageBoxes& Messages() { return DefaultMemoryServices().messages; }

    std::unique_ptr<CArdoDoc> doc;
};
