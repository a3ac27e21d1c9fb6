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
        doc = std::make_unique<CArdoDoc>();
    }

    PlanImportReport Import(const PlanWriter& writer, const PlanParameters& start = {}) {
        return Import(writer.Bytes(), start);
    }
    PlanImportReport Import(const std::vector<uint8_t>& bytes, const PlanParameters& start = {}) {
        PlanImportReport report;
        EXPECT_EQ(0, ImportPlanBytes(*doc, bytes, &report, start));
        return report;
    }
    template <class T>
    T* Background(size_t i) const {
        return i < doc->Background().size() ? dynamic_cast<T*>(doc->Background()[i].get()) : nullptr;
    }
    RecordingMessageBoxes& Messages() { return DefaultMemoryServices().messages; }

    std::unique_ptr<CArdoDoc> doc;
};
