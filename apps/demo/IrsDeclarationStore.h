#pragma once
// Saves the IRS form as a declaration of the host kit's database and shows a saved one again.
// Each value a user can change is one row of the declaration's stored values, keyed by the
// control's name and property ("nifSujeitoA.Value", "optEstadoCivil(1).Value"); the taxpayers
// whose NIF is filled in (A, B, D1) are the declaration's members. Saving can also write the
// form, with every control and its properties, as a form file (FormStore).
//
//   IrsDeclarationStore::Save(form, *declaration, "modelo3.json");
//   IrsForm copy(desktop, library, database);
//   copy.UseDeclaration(hostkit::SqliteDeclaration::Open(database, declaration->Id()));

#include <filesystem>
#include <string>
#include <vector>

#include "hostkit/SqliteDeclaration.h"
#include "qorvexctl/frame/Members.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::demo {

class IrsForm;

class IrsDeclarationStore {
 public:
  // One value of the form: the control, the property that holds it, and its key.
  struct StoredValue {
    std::string key;
    platform::Window* control;
    std::string property;
  };

  // The values of a form in the order they are restored (a NIF's country before its number,
  // a disability's kind before its degree): the text of every text box, the value of every
  // check box, NIF, NIB, amount field, check or option button, the chosen taxpayer and the
  // disability with its degree.
  static std::vector<StoredValue> Values(platform::Form& form);
  // A value as stored: numbers with "." and Booleans as "True" or "False".
  static std::string Read(platform::Form& form, const StoredValue& value);

  // Writes every value into the declaration (in one go) and, when `formFile` is not empty,
  // the form into that file. False when the database or the file could not be written.
  static bool Save(IrsForm& form, hostkit::SqliteDeclaration& declaration,
                   const std::filesystem::path& formFile);
  // Puts every stored value back; a key the declaration does not hold leaves its control as
  // it is, and a value a control refuses is skipped.
  static void Restore(IrsForm& form, hostkit::SqliteDeclaration& declaration);
};

}  // namespace qorvexctl::demo
