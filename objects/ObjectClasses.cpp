#include "objects/ObjectClasses.h"

#include "objects/ArdoObj.h"
#include "objects/ArdoPoly.h"
#include "objects/ArdoPolyMeasure.h"
#include "objects/ArdoRect.h"
#include "objects/ArdoSymbol.h"
#include "objects/ArdoText.h"

void RegisterDrawingObjectClasses() {
    CRuntimeClass::Register(RUNTIME_CLASS(CArdoObj));
    CRuntimeClass::Register(RUNTIME_CLASS(CArdoRect));
    CRuntimeClass::Register(RUNTIME_CLASS(CArdoPoly));
    CRuntimeClass::Register(RUNTIME_CLASS(CArdoPolyline));
    CRuntimeClass::Register(RUNTIME_CLASS(CArdoBezier));
    CRuntimeClass::Register(RUNTIME_CLASS(CArdoPolyMeasure));
    CRuntimeClass::Register(RUNTIME_CLASS(CArdoText));
    CRuntimeClass::Register(RUNTIME_CLASS(CArdoSymbol));
}
