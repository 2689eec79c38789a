#pragma once
// Objects that know their class at run time, and can be made from their class record.
#include "platform/gdi/wintypes.h"

class CObject;
class CDumpContext {};

struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  CObject* (*m_pfnCreateObject)();
  const CRuntimeClass* m_pBaseClass;

  // A new object of the class; null for a class that cannot be made by default construction.
  CObject* CreateObject() const;
  BOOL IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
 public:
  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const;
  virtual void AssertValid() const {}
  virtual void Dump(CDumpContext&) const {}
  BOOL IsKindOf(const CRuntimeClass* runtimeClass) const;
  static const CRuntimeClass classCObject;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)             \
 public:                                        \
  static const CRuntimeClass class##class_name; \
  const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* CreateObject();

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                           \
  const CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class_name), nullptr, \
                                                       RUNTIME_CLASS(base_class_name)};          \
  const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                          \
  CObject* class_name::CreateObject() { return new class_name; }                                                  \
  const CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class_name), class_name::CreateObject, \
                                                       RUNTIME_CLASS(base_class_name)};                           \
  const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }
