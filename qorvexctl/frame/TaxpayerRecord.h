#pragma once
// The taxpayer record a NIF field keeps in its `Ficha` property: the details of the taxpayer
// whose number is typed. A field creates a DefaultTaxpayerRecord when it initialises; a host
// may replace it with its own. Calls go through HostCall (frame/HostCall.h).

#include <string>
#include <vector>

#include "qorvexctl/base/Event.h"

namespace qorvexctl {

// One detail of a record: "nome", "codigopostal", "localidade" or a field of the host's own.
struct RecordField {
  std::string id;
  std::string value;
  friend bool operator==(const RecordField&, const RecordField&) = default;
};

class TaxpayerRecord {
 public:
  virtual ~TaxpayerRecord() = default;

  // The record's number: the country code followed by the number ("PT123456789").
  virtual void Number(const std::string& countryAndNumber) = 0;
  virtual void Clear() = 0;
  // Fetches the details of the current number; raises FieldUpdated and Loaded.
  virtual void Load() = 0;
  virtual std::vector<RecordField> Fields() = 0;
  virtual std::string Field(const std::string& id) = 0;  // "" when absent
  virtual void Field(const std::string& id, const std::string& value) = 0;
  virtual std::string Name() = 0;
  virtual void Name(const std::string& name) = 0;
  // The edits made since the last load are to be kept.
  virtual void MarkChanged() = 0;
  // Shows the record to the user.
  virtual void Open() = 0;
  // A non-empty text when the record holds loaded details.
  virtual std::string Content() = 0;

  Event<> Loaded;
  Event<const std::string&> FieldUpdated;  // the field's identifier
};

}  // namespace qorvexctl
