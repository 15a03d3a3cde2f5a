// The tag names of tag numbers 1 to 303 and of the named tags between the
// generated H ranges. The numbering is part of every dictionary file.
#include "dictionary/tag_names_data.h"

namespace lemmatizer {

const char* const kNamedTags1To303[303] = {
    "SCAT", "ADAB", "ADAP", "ADAT", "ADATfp", "ADATfs", "ADATmp", "ADATms", "ADATup", "ADATus",
    "ADATuu", "ADDT", "ADDTfp", "ADDTfs", "ADDTmp", "ADDTms", "ADDTup", "ADDTus", "ADDTuu",
    "ADJ", "ADJE", "ADJEc", "ADJEp", "ADJEs", "ADN1", "ADN2", "ADPR", "ADVB", "ADVBc", "ADVBp",
    "ADVBs", "ADVN", "ADVX", "ADWH", "CIR1", "CIR2", "COLL", "CON1", "CON2", "CONF", "CONJ",
    "CONV", "DETR", "DETRfp", "DETRfs", "DETRmp", "DETRms", "DETRp", "DETRs", "DETRu", "DETRup",
    "DETRus", "DETRuu", "GERF", "GERH", "GERM", "GPAF", "GPAH", "GPAM", "GPRF", "GPRH", "GPRM",
    "HYPA", "IDZL", "IMPF", "IMPFp", "IMPFp1", "IMPFp2", "IMPFp3", "IMPFs", "IMPFs2", "IMPFs3",
    "IMPH", "IMPHp1", "IMPHp2", "IMPHp3", "IMPHs2", "IMPHs3", "IMPM", "INFF", "INFH", "INFM",
    "INFZ", "NOM", "NOMC", "NOMCfp", "NOMCfs", "NOMCfu", "NOMCmp", "NOMCms", "NOMCmu", "NOMCp",
    "NOMCs", "NOMCup", "NOMCus", "NOMCuu", "NOMP", "NOMPs", "NOMT", "NUML", "ORDL", "ORDLfp",
    "ORDLfs", "ORDLmp", "ORDLms", "PAFF", "PAFFfp", "PAFFfs", "PAFFmp", "PAFFms", "PAFH",
    "PAFM", "PAPF", "PAPH", "PAPM", "PARD", "PART", "PASS", "PCTF", "PCTQ", "PCTS", "PFSS",
    "PNDA", "PNNP", "PNNPfp", "PNNPfs", "PNNPmp", "PNNPms", "PNNPp", "PNNPs", "PNNPu", "PNNPup",
    "PNNPus", "PNNPuu", "PNRL", "PNRLfp", "PNRLfs", "PNRLmp", "PNRLms", "PNRLp", "PNRLs",
    "PNRLu", "PNRLup", "PNRLus", "PNRLuu", "PNWH", "PNWHp", "PNWHs", "PNWHu", "PNWP", "POPO",
    "PPFF", "PPFM", "PPPF", "PPSF", "PPSM", "PPSS", "PREP", "PRFF", "PRFH", "PRFM", "PRPD",
    "PRPF", "PRPH", "PRPM", "PRSS", "PSFF", "PSFM", "PSSF", "PSSM", "PTAN", "PTCL", "PTDM",
    "PTGE", "PTIJ", "PTIN", "PTKA", "PTPO", "PTSU", "PTTH", "PTWH", "SUBF", "SUBI", "SWD",
    "SYMB", "VADJ", "VRB", "VRBF", "VRBF3", "VRBFo", "VRBFp", "VRBFp1", "VRBFp2", "VRBFp3",
    "VRBFs1", "VRBFs2", "VRBFs3", "VRBH", "VRBH3", "VRBHo", "VRBHp", "VRBHp1", "VRBHp2",
    "VRBHp3", "VRBHs1", "VRBHs2", "VRBHs3", "VRBM", "VRBM3", "VRBMo", "VRBMp", "VRBMp1",
    "VRBMp2", "VRBMp3", "VRBMs1", "VRBMs2", "VRBMs3", "VRBP", "PRPFp", "PRPFs", "INFFp1",
    "INFFp2", "INFFp3", "INFFs1", "INFFs2", "INFFs3", "PAPFfs", "PAPFfp", "PAPFms", "PAPFmp",
    "NOX", "NOMPj", "NOMPjc", "NOMPjo", "NOMPn", "NOMPns", "NOMPncf", "NOMPncm", "NOMPl",
    "NOMPlt", "NOMPlm", "NOMPli", "NOMPlr", "NOMPlc", "NOMPlw", "NOMPp", "NOMPpc", "NOMPpo",
    "NOMPla", "NOMCsg", "NOMCpg", "NOMCso", "NOMCpo", "ADMO", "CLSM", "DETC", "DETDp", "DETDs",
    "DETDu", "DETIp", "DETIs", "DETIu", "DETM", "NPPM", "NUMM", "PHRV", "POMO", "PTCS", "XIST",
    "PAPFs1", "PAPHfp", "PAPHfs", "PAPHmp", "PAPHms", "PAPMfp", "PAPMfs", "PAPMmp", "PAPMms",
    "PAPMs1", "PNNPfu", "PNNPmu", "PRPFup", "PRPFus", "PRPHup", "PRPHus", "PRPMup", "PRPMus",
    "ADNA", "NONA", "NONAsg", "NONApg", "NONAso", "NONApo", "INFB", "PAPB", "PRPB", "VRBB3",
    "VRBBo", "VRBBp", "VRBD3", "VRBDo", "VRBDp", "ANYC",
};

const char* const kNamedTags1305To1308[4] = {"PRPFfs", "PRPFms", "PRPFfp", "PRPFmp"};

const char* const kNamedTags1319To1345[27] = {
    "COAD", "DETD", "DETI", "DTWH", "PHES", "QUAD", "PCBC", "PCBO", "PCCL", "PCCM", "PCEC",
    "PCEO", "PCHY", "PCIC", "PCIO", "PCPE", "PCQA", "PCQO", "PCSC", "NABB", "AABB", "PABB",
    "UABB", "POSH", "PREH", "UNIT", "PCPI",
};

const char* const kNamedTags1546To1549[4] = {"VABB", "PTFU", "PCQC", "UMWE"};

const char* const kExtendedTagNames[151] = {
    "P1PA", "P1PAR", "S1PA", "S1PAR", "P2PA", "P2PAR", "S2PA", "S2PAR", "P3PA", "P3PAR", "S3PA",
    "S3PAR", "A", "APF", "DPM", "DPF", "DPN", "IPM", "IPF", "IPN", "PPM", "PPF", "PPN", "API",
    "APIP", "APIR", "APIS", "APM", "APN", "AR", "ASF", "ASFP", "ASFR", "ASFS", "ASM", "ASMP",
    "ASMR", "ASMS", "ASN", "ASNP", "ASNR", "ASNS", "C", "DPI", "DPIP", "DPIR", "DPIS", "DSF",
    "DSFP", "DSFR", "DSFS", "DSM", "DSMP", "DSMR", "DSMS", "DSN", "DSNP", "DSNR", "DSNS", "FS",
    "GPF", "GPI", "GPIP", "GPIR", "GPIS", "GPM", "GPN", "GSF", "GSFP", "GSFR", "GSFS", "GSM",
    "GSMP", "GSMR", "GSMS", "GSN", "GSNP", "GSNR", "GSNS", "IP", "IPI", "IPIP", "IPIR", "IPIS",
    "ISF", "ISFP", "ISFR", "ISFS", "ISM", "ISMP", "ISMR", "ISMS", "ISN", "ISNP", "ISNR", "ISNS",
    "MS", "NPF", "NPI", "NPIP", "NPIR", "NPIS", "NPM", "NPN", "NS", "NSF", "NSFP", "NSFR",
    "NSFS", "NSM", "NSMP", "NSMR", "NSMS", "NSN", "NSNP", "NSNR", "NSNS", "P", "PIP", "PPI",
    "PPIP", "PPIR", "PPIS", "PR", "PSF", "PSFP", "PSFR", "PSFS", "PSM", "PSMP", "PSMR", "PSMS",
    "PSN", "PSNP", "PSNR", "PSNS", "R", "S", "SFP", "SMP", "SNP", "SR", "VAF", "VAFR", "VAI",
    "VAIR", "VAM", "VAMR", "VAN", "VANR", "NR",
};

}  // namespace lemmatizer
