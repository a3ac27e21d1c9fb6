#include "plan/FileReaders.h"

#include "document/DocumentFormats.h"
#include "plan/PlanImportReader.h"

void AddFileReaders(DocumentFormats& formats) { formats.AddReader(std::make_unique<PlanImportReader>()); }
