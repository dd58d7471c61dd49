# Convenience front end to the CMake build.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
EXAMPLE ?= holstein

.PHONY: all test bench fuzz run clean goldens template

all: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS) --target zelvan zelvan-batch

$(BUILD)/Makefile:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

test: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Times one base run of each example (Google Benchmark).
bench: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS) --target bench

# Fuzzes the readers and the base run for FUZZ_SECONDS (libFuzzer, clang,
# address and undefined-behaviour sanitizers) in its own build directory.
# New inputs go to $(FUZZ_BUILD)/corpus, findings to $(FUZZ_BUILD)/crash-*.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300
fuzz:
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELVAN_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target zelvan_fuzz
	mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/zelvan_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -close_fd_mask=3 -entropic_scale_per_exec_time=1 \
	  -artifact_prefix=$(abspath $(FUZZ_BUILD))/ $(abspath $(FUZZ_BUILD))/corpus $(abspath tests/fuzz/corpus)

# Runs an example (default holstein) in a scratch copy, answering the prompt
# for the results file with RESULTS.TXT.
run: all
	rm -rf $(BUILD)/run-$(EXAMPLE)
	cp -r examples/$(EXAMPLE) $(BUILD)/run-$(EXAMPLE)
	cd $(BUILD)/run-$(EXAMPLE) && echo RESULTS.TXT | ../zelvan

clean:
	rm -rf $(BUILD)

# Rewrites the reference outputs of the bundled examples (tests/golden/) from
# the current program. Run it only when a change of the output is intended,
# and say in the commit why the references changed.
goldens: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS)
	ZELVAN_UPDATE_GOLDENS=1 $(BUILD)/zelvan_tests --gtest_filter='Golden.*'

# Ships the results-file template src/report/TEXTD_OUT.TXT in every example.
template:
	for e in examples/*/; do cp src/report/TEXTD_OUT.TXT "$$e"; done
