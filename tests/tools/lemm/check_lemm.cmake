# The command line lemm as its help text promises: output in input order
# with any number of threads, JSON lines with offsets, kinds and known
# flags, --first with --json, invalid UTF-8 reported as FILE:LINE:BYTE,
# binary input refused, unwritable words summarised once, a missing
# dictionary with the command that builds it, a flag without its argument,
# and the exit statuses. Run with -DLEMM=<lemm> -DLEMM_BUILD=<lemm-build>
# -DWORK=<empty directory>.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/lexicon.tsv "cars\tcar\tNOMCup\ncar\tcar\tNOMCus\nthe\tthe\tDETDu\n")
execute_process(COMMAND ${LEMM_BUILD} -q -l en -i ${WORK}/lexicon.tsv -o ${WORK}/
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lemm-build failed")
endif()

# Runs lemm with ARGN on the file `input`; sets out, err and status.
function(run_lemm input)
  execute_process(COMMAND ${LEMM} -d ${WORK} ${ARGN} INPUT_FILE ${input}
                  OUTPUT_VARIABLE output ERROR_VARIABLE error RESULT_VARIABLE result)
  set(out "${output}" PARENT_SCOPE)
  set(err "${error}" PARENT_SCOPE)
  set(status "${result}" PARENT_SCOPE)
endfunction()

function(expect what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(SEND_ERROR "${what}:\n  got      [${actual}]\n  expected [${expected}]")
  endif()
endfunction()

function(expect_match what actual pattern)
  if(NOT "${actual}" MATCHES "${pattern}")
    message(SEND_ERROR "${what}:\n  got [${actual}]\n  not matching [${pattern}]")
  endif()
endfunction()

# Text and JSON.
file(WRITE ${WORK}/text.txt "The CARS, see https://example.org/x.\n")
run_lemm(${WORK}/text.txt -l en)
expect_match("text output" "${out}" "^The\tthe\tDETDu\nCARS\tcar\tNOMCup\nCARS\tCARS\tANYC\nsee\t")
run_lemm(${WORK}/text.txt -l en --first)
expect_match("--first" "${out}" "^The\tthe\nCARS\tcar\nsee\t")
run_lemm(${WORK}/text.txt -l en --json --first)
expect_match("--json --first" "${out}"
  "^{\"offset\":0,\"form\":\"The\",\"kind\":\"word\",\"sentence_start\":true,\"readings\":\\[{\"lemma\":\"the\",\"tag\":\"DETDu\",\"known\":true}\\]}\n{\"offset\":4,\"form\":\"CARS\",\"kind\":\"word\",\"sentence_start\":false,\"readings\":\\[{\"lemma\":\"car\",\"tag\":\"NOMCup\",\"known\":true}\\]}\n{\"offset\":8,\"form\":\",\",\"kind\":\"punctuation\"}\n")
expect_match("a URL in JSON" "${out}" "{\"offset\":14,\"form\":\"https://example.org/x\",\"kind\":\"url\"}")
expect("status of a clean run" "${status}" "0")

# Many pieces, the same output with one thread and with four.
set(big "")
foreach(i RANGE 1 3000)
  string(APPEND big "the cars ${i} and the car.\n\n")
endforeach()
file(WRITE ${WORK}/big.txt "${big}")
run_lemm(${WORK}/big.txt -l en --threads 1)
set(one "${out}")
run_lemm(${WORK}/big.txt -l en --threads 4)
expect("four threads keep the input order" "${out}" "${one}")

# Invalid UTF-8: FILE:LINE:BYTE, the line skipped, status 4.
execute_process(COMMAND printf "the car\\ncars \\377 here\\nthe cars\\n" OUTPUT_FILE ${WORK}/bad.txt)
execute_process(COMMAND ${LEMM} -d ${WORK} -l en --first ${WORK}/bad.txt
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
expect("invalid UTF-8 message" "${err}" "lemm: ${WORK}/bad.txt:2:6: invalid UTF-8; line skipped\n")
expect("the other lines" "${out}" "the\tthe\ncar\tcar\nthe\tthe\ncars\tcar\n")
expect("status of invalid UTF-8" "${status}" "4")

# Binary input: one message, nothing lemmatized, status 4.
execute_process(COMMAND printf "the cars\\nthe\\000car\\n" OUTPUT_FILE ${WORK}/binary.bin)
run_lemm(${WORK}/binary.bin -l en)
expect("binary input" "${err}"
  "lemm: (standard input): binary input (a NUL byte at byte 13); not lemmatized\n")
expect("nothing lemmatized" "${out}" "")
expect("status of binary input" "${status}" "4")

# Unwritable words: summarised once, status 3.
file(WRITE ${WORK}/greek.txt "the Ω cars Ω 日本\n")
run_lemm(${WORK}/greek.txt -l en --first)
expect("unwritable summary" "${err}"
  "lemm: 3 words (2 different) cannot be written in code page 1252 and got no readings: Ω, 日本\n")
expect("status of unwritable words" "${status}" "3")

# A missing dictionary, an unknown code, a flag without its argument.
run_lemm(${WORK}/text.txt -l fr)
expect_match("missing dictionary" "${err}" "build it with: tools/build-dictionaries fr\n$")
expect("status of a missing dictionary" "${status}" "1")
run_lemm(${WORK}/text.txt -l xx)
expect_match("unknown code" "${err}" "unknown language code \"xx\"")
run_lemm(${WORK}/text.txt -l)
expect("-l without argument" "${err}" "lemm: -l needs a language code\n")
expect("status of a bad command line" "${status}" "2")
run_lemm(${WORK}/text.txt -l en --threads)
expect("--threads without argument" "${err}" "lemm: --threads needs a number of threads\n")
run_lemm(${WORK}/text.txt --version)
expect_match("--version" "${out}" "^lemm [0-9]+\\.[0-9]+\\.[0-9]+\n$")
