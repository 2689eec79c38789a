#include "platform/win/runtime_class.h"

const CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), nullptr, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

BOOL CObject::IsKindOf(const CRuntimeClass* runtimeClass) const {
  return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}

CObject* CRuntimeClass::CreateObject() const { return m_pfnCreateObject == nullptr ? nullptr : m_pfnCreateObject(); }

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
  for (const CRuntimeClass* at = this; at != nullptr; at = at->m_pBaseClass) {
    if (at == base) return TRUE;
  }
  return FALSE;
}
