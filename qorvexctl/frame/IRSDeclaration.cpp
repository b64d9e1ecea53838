#include "qorvexctl/frame/IRSDeclaration.h"

#include "qorvexctl/frame/HostCall.h"

namespace qorvexctl::host {
namespace {

DeclarationData& DataOf(const std::shared_ptr<IRSDeclaration>& irs) {
  return HostObject(HostObject(irs).Declaration());
}

}  // namespace

std::string HouseholdItem(const std::shared_ptr<IRSDeclaration>& irs, const std::string& name) {
  return HostCall([&] { return HostObject(DataOf(irs).Household()).Item(name); });
}

std::int32_t DependantCount(const std::shared_ptr<IRSDeclaration>& irs) {
  return HostCall([&] { return HostObject(DataOf(irs).Dependants()).Count(); });
}

std::string TaxpayerNumber(const std::shared_ptr<IRSDeclaration>& irs, const std::string& code) {
  return HostCall([&] { return DataOf(irs).TaxpayerNumber(code); });
}

std::string TaxpayerTitle(const std::shared_ptr<IRSDeclaration>& irs, const std::string& code) {
  return HostCall([&] { return DataOf(irs).TaxpayerTitle(code); });
}

std::string SujeitoTitle(const std::shared_ptr<IRSDeclaration>& irs, const std::string& code) {
  return HostCall([&] { return HostObject(DataOf(irs).Data()).GetSujeitoTitle(code); });
}

std::string StoredValue(const std::shared_ptr<IRSDeclaration>& irs, const std::string& key) {
  return HostCall([&] { return HostObject(DataOf(irs).Values()).Get(key); });
}

void StoreValue(const std::shared_ptr<IRSDeclaration>& irs, const std::string& key,
                const std::string& value) {
  HostCall([&] { HostObject(DataOf(irs).Values()).Set(key, value); });
}

}  // namespace qorvexctl::host
