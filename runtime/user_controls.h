#pragma once
// The member classes of the generated dialogs, one per kind of control.
#include "runtime/sim_controls.h"
#include "runtime/sim_graphic_button.h"

class CUserStatic : public CSimStatic {};
class CUserEdit : public CSimEdit {};
class CUserListBox : public CSimListBox {};
class CUserComboBox : public CSimComboBox {};
class CUserScrollBar : public CSimScrollBar {};
class CUserButton : public CSimButton {};
class CUserCustom : public CSimCustom {};
class CUserGraphicButton : public CSimGraphicButton {};
