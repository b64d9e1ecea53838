#include "qorvexctl/frame/CountryTables.h"

namespace qorvexctl {

const std::string_view EuCountryCodesPortugalFirst =
    "PT,DE,AT,BE,BG,CY,DK,SK,SI,ES,EE,FI,FR,EL,NL,HU,GB,IE,IT,LV,LT,LU,MT,PL,CZ,RO,SE";

// resources/make_flags.py reads this list to lay out resources/countries.bmp; the literal
// holds two lines per row of the strip.
const std::string_view CountryFlagCodes =
    "AF;ZA;AL;DE;AD;AO;AI;AQ;AG;AN;SA;DZ;AR;AM;AW;AU;"
    "AT;AZ;BS;BD;BB;BH;BE;BZ;BJ;BM;BY;BO;BA;BW;BR;BN;"
    "BG;BF;BI;BT;CV;CM;KH;CA;QA;KZ;CF;TD;CL;CN;CY;CO;"
    "KM;CG;CD;KR;KP;CI;CR;HR;CU;DK;DM;EG;SV;AE;EC;ER;"
    "SK;SI;ES;US;EE;ET;PH;FI;FR;GA;GM;GH;GE;GS;GI;GD;"
    "GR;GL;GP;GU;GT;GY;GF;GN;GQ;GW;HT;HN;HK;HU;YE;BV;"
    "KY;CX;CC;CK;FK;FO;FJ;HM;MP;MH;UM;NF;SB;VG;VI;IN;"
    "ID;IR;IQ;IE;IS;IL;IT;JM;JP;DJ;JO;YU;KE;KI;KW;LA;"
    "LS;LV;LB;LR;LY;LI;LT;LU;MO;MK;MG;MY;MW;MV;ML;MT;"
    "MA;MQ;MU;MR;YT;MX;FM;MZ;MD;MC;MN;MS;MM;NA;NR;NP;"
    "NI;NE;NG;NU;NO;NC;NZ;OM;NL;PW;PA;PG;PK;PY;PE;PN;"
    "PF;PL;PR;PT;KG;GB;CZ;DO;RE;RO;RW;RU;WS;AS;SH;LC;"
    "VA;KN;SM;PM;ST;VC;EH;SN;SL;SC;SG;SY;SO;LK;SZ;SD;"
    "SE;CH;SR;SJ;TH;TW;TJ;TZ;IO;PS;TF;TL;TG;TK;TO;TT;"
    "TN;TC;TM;TR;TV;UA;UG;UY;UZ;VU;VE;VN;WF;ZM;ZW;AX;"
    "CW;SX;BQ;BL;MF;RS;SS;SD";

std::optional<int> FlagCellIndex(std::string_view code) {
  const std::size_t position = CountryFlagCodes.find(code);
  if (position == std::string_view::npos) return std::nullopt;
  return static_cast<int>(position / 3);
}

}  // namespace qorvexctl
