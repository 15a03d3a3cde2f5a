// Small lexicons for the tests of the UTF-8 interface, in lemm-build's input
// format (form<TAB>lemma<TAB>tag name, UTF-8). They hold just the words the
// tests ask about.
#ifndef LEMMATIZER_TESTS_LEMM_LEXICONS_H_
#define LEMMATIZER_TESTS_LEMM_LEXICONS_H_

namespace lemm_testing {

inline const char kEnglish[] =
    "I\tI\tPNNPus\n"
    "i\ti\tNOMCus\n"
    "Bush\tBush\tNOMP\n"
    "bush\tbush\tNOMCus\n"
    "bushes\tbush\tNOMCup\n"
    "Nasa\tNasa\tNOMP\n"
    "Lex\tLex\tNOMP\n"
    "lex\tlex\tANYC\n"
    "wow\twow\tANYC\n"
    "wowza\twowza\tANYC\n"
    "attention\tattention\tNOMCus\n"
    "car\tcar\tNOMCus\n"
    "cars\tcar\tNOMCup\n"
    "user\tuser\tNOMCus\n"
    "users\tuser\tNOMCup\n"
    "'s\t's\tPTGE\n"
    "do\tdo\tINFF\n"
    "n't\tnot\tADVB\n"
    "'m\tbe\tVRBBo\n"
    "the\tthe\tDETDu\n"
    "it\tit\tPNNPus\n"
    "costs\tcost\tVRBF3\n"
    "visit\tvisit\tINFF\n"
    "mail\tmail\tNOMCus\n"
    "me\tI\tPNNPus\n"
    "ME\tME\tUABB\n"
    "us\twe\tPNNPup\n"
    "US\tUS\tNOMP\n"
    "in\tin\tPREP\n"
    "or\tor\tCONJ\n"
    "e.g.\te.g.\tADVB\n"
    "etc.\tetc.\tADVB\n"
    "naïve\tnaïve\tADJEp\n"
    "AM\ta.m.\tNABB\n"
    "am\tbe\tVRB\n"
    "Dr\tDr\tNOMCus\n"
    "dr\tdr\tANYC\n";

inline const char kGerman[] =
    "Haus\tHaus\tNOMCus\n"
    "Häuser\tHaus\tNOMCup\n"
    "die\tder\tDETDs\n"
    "der\tder\tDETDs\n"
    "Stunden\tStunde\tNOMCfp\n"
    "stunden\tstunden\tINFF\n"
    "ich\tich\tPNNPus\n"
    "Ich\tIch\tNOMCus\n"
    "spielten\tspielen\tVRBFp3\n"
    "Name\tName\tNOMCms\n"
    "ist\tsein\tVRBFs3\n"
    "es\tes\tANYC\n";

inline const char kFrench[] =
    "l'\tle\tDETDs\n"
    "le\tle\tDETDs\n"
    "homme\thomme\tNOMCms\n"
    "n'\tne\tADVB\n"
    "aime\taimer\tVRBFs3\n"
    "qu'\tque\tCON1\n"
    "il\til\tPNNPms\n"
    "d'\tde\tPREP\n"
    "accord\taccord\tNOMCms\n"
    "aujourd'hui\taujourd'hui\tADVB\n"
    "jusqu'\tjusque\tPREP\n"
    "à\tà\tPREP\n";

inline const char kItalian[] =
    "dell'\tdi\tPREP\n"
    "un'\tuno\tDETIs\n"
    "l'\til\tDETDs\n"
    "uomo\tuomo\tNOMCms\n"
    "applicazione\tapplicazione\tNOMCfs\n"
    "attenzione\tattenzione\tNOMCfs\n";

inline const char kSerbianCyrillic[] =
    "директоријум\tдиректоријум\tNOMCms\n"
    "директоријума\tдиректоријум\tNOMCms\n"
    "његов\tњегов\tPOPO\n"
    "његова\tњегов\tPOPO\n"
    "љубав\tљубав\tNOMCfs\n"
    "џеп\tџеп\tNOMCms\n"
    "Његош\tЊегош\tNOMP\n";

inline const char kSerbianLatin[] =
    "škola\tškola\tNOMCfs\n"
    "škole\tškola\tNOMCfs\n"
    "žena\tžena\tNOMCfs\n"
    "feronikel\tferonikel\tANYC\n";

inline const char kGreek[] =
    "λόγος\tλόγος\tNOMCms\n"
    "λόγου\tλόγος\tNOMCms\n"
    "άνθρωπος\tάνθρωπος\tNOMCms\n"
    "ένωση\tένωση\tNOMCfs\n";

inline const char kRussian[] =
    "дома\tдом\tNOMCmp\n"
    "дом\tдом\tNOMCms\n"
    "Ивана\tИван\tNOMP\n"
    "Иван\tИван\tNOMP\n"
    "московского\tмосковский\tADJEp\n"
    "московский\tмосковский\tADJEp\n"
    "провел\tпровести\tVRBFp\n";

// A context model ("<code>-context.txt") for the lexicon of context_test.cc,
// with every kind of line: "meeting" a noun after "the", a verb after "was".
// It is also the seed of the context model's fuzz target.
inline const char kEnglishContext[] =
    "# lemm context model 1\n"
    "tag\tdet\tDET\n"
    "tag\tnn\tNOMC\n"
    "tag\tnnp\tNOMP\n"
    "tag\tvbd\tVRB\n"
    "tag\tvbg\tPRP\tGER\n"
    "tag\tvb\tINF\n"
    "tag\tpp\n"
    "start\tpp\n"
    "next\tpp\tdet\t0.5\n"
    "next\tpp\tvbd\t0.2\n"
    "next\tpp\tvb\t0.2\n"
    "next\tdet\tnn\t0.6\n"
    "next\tdet\tvbg\t0.05\n"
    "next\tdet\tnnp\t0.1\n"
    "next\tvbd\tvbg\t0.3\n"
    "next\tvbd\tnn\t0.01\n"
    "next\tvb\tdet\t0.5\n"
    "word\tthe\tdet\t100\n"
    "word\twas\tvbd\t100\n"
    "word\tsee\tvb\t10\n"
    "word\tmeeting\tnn\t230\tvbg\t27\n"
    "word\tsection\tnn\t30\n"
    "word\tBush\tnnp\t5000\n"
    "word\t-cap-\tnnp\t900\tnn\t48\n"
    "word\t-ing-\tvbg\t800\tnn\t10\n"
    "word\t-unknown-\tnn\t875\n"
    "word\t-abr-\tnnp\t50\n"
    "shape\tcapitalised\t-cap-\n"
    "shape\tcapitals\t-abr-\n"
    "shape\tunknown\t-unknown-\n"
    "ending\ting\t-ing-\n";

}  // namespace lemm_testing

#endif  // LEMMATIZER_TESTS_LEMM_LEXICONS_H_
