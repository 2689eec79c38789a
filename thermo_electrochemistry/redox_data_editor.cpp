#include "thermo_electrochemistry/redox_data_editor.h"

#include <string>
#include <vector>

#include "engine/reaction.h"
#include "engine/records/table_editor.h"
#include "engine/settings/settings.h"
#include "engine/textutil.h"
#include "resources/redox_data_editor_ids.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"
#include "runtime/record_editor_window.h"
#include "engine/numbers/typed_number.h"

namespace {

// The fields by the table's field indexes: 0 the half reaction (the key), 1 the English and 2 the
// Norwegian comment, 3 the potential and 4 the temperature.
constexpr std::size_t HalfReactionField = 0;
constexpr std::size_t FirstNumberField = 3;
constexpr std::size_t EquationReadLimit = 219;
constexpr std::size_t CommentReadLimit = 251;
constexpr std::size_t NumberReadLimit = 37;

// The potential and the temperature, without their blanks, are numbers or empty; the half reaction
// itself is balanced only when the electrochemistry window uses it.
std::vector<std::string> CheckRedoxNumbers(std::vector<std::string>& fields) {
  bool valid = true;
  for (std::size_t field = FirstNumberField; field < fields.size(); ++field) {
    RemoveBlanks(fields[field]);
    if (!fields[field].empty() && !TypedNumber(fields[field])) valid = false;
  }
  if (valid) return {};
  return {EditorMessageText(RedoxDataEditor, EditorMessage::IllegalNumber)};
}

const TableEditorConfig& RedoxTable() { return RedoxDataEditor; }

const RecordEditorLayout RedoxDataLayout{
    RedoxTable,
    {{HalfReactionFieldId, EquationReadLimit},
     {EnglishCommentId, CommentReadLimit},
     {NorwegianCommentId, CommentReadLimit},
     {StandardPotentialId, NumberReadLimit},
     {RedoxTemperatureFieldId, NumberReadLimit}},
    HalfReactionField,
    RedoxDataBeforeId,
    RedoxDataAfterId,
    RedoxDataReplaceId,
    RedoxDataDeleteId,
    RedoxDataEraseId,
    RedoxDataListId,
    CheckRedoxNumbers,
};

}  // namespace

void Cwm_REDOXDATBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, RedoxdatSetup,
                      {m_halfReactionLabel,
                       m_halfReaction,
                       m_englishCommentLabel,
                       m_englishComment,
                       m_norwegianCommentLabel,
                       m_norwegianComment,
                       m_potentialE,
                       m_potentialO,
                       m_potentialUnit,
                       m_potential,
                       m_temperatureLabel,
                       m_temperatureC,
                       m_temperatureO,
                       m_temperature,
                       m_eraseFields,
                       m_halfReactions,
                       m_editListGroup,
                       m_addGroup,
                       m_before,
                       m_after,
                       m_replace,
                       m_delete});
}

BOOL Cwm_REDOXDATDlg::OnUserInit(int) {
  RecordEditorWindow editor(*this, m_halfReactions, RedoxDataLayout);
  editor.LoadList();
  editor.LimitFieldsToStoredWidths();
  return TRUE;
}

BOOL Cwm_REDOXDATDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (RecordEditorWindow(*this, m_halfReactions, RedoxDataLayout).OnCommand(LOWORD(wParam), HIWORD(wParam)))
    return TRUE;
  return Cwm_REDOXDATBaseDlg::OnCommand(wParam, lParam);
}

int OpenElectrochemicalDataDialog(CWnd* parent) {
  return OpenModalDialog<Cwm_REDOXDATDlg>(RedoxdatTemplateName, parent);
}
